#include "app/dialogs/web_link_dialog.h"

#include "app/dialogs/notebook_dialogs.h"
#include "core/tree/links.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace oxlin::app {

WebLinkDialog::WebLinkDialog(const QString& address, const QString& text, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Insert Link"));
    makePlainDialog(*this);
    text_ = new QLineEdit(text, this);
    text_->setPlaceholderText(tr("The address itself"));
    address_ = new QLineEdit(address, this);
    address_->setPlaceholderText(QStringLiteral("https://"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(address_, &QLineEdit::textChanged, this,
            [this] { ok_->setEnabled(!address_->text().trimmed().isEmpty()); });
    ok_->setEnabled(!address.trimmed().isEmpty());

    auto* form = new QFormLayout;
    form->addRow(tr("Text to show:"), text_);
    form->addRow(tr("Address:"), address_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(440, sizeHint().height());
    centreOnScreen(*this);
    // With a text already chosen (the selection), the address is what is left to type.
    (text.isEmpty() ? text_ : address_)->setFocus();
}

QString WebLinkDialog::address() const {
    const QString typed = address_->text().trimmed();
    if (typed.isEmpty() || tree::isWholeLink(typed))
        return typed;
    if (typed.contains(u'@') && !typed.contains(u'/'))
        return QStringLiteral("mailto:") + typed;
    return QStringLiteral("https://") + typed;
}

} // namespace oxlin::app
