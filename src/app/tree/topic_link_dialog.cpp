#include "app/tree/topic_link_dialog.h"

#include "app/tree/tree_item_model.h"
#include "core/tree/tree_file.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

namespace oxlin::app {

namespace {
// The dialog only shows the tree: labels are not edited here.
class NoRenames final : public ItemRenamer {
public:
    bool renameItem(tree::ItemHandle, const QString&) override { return false; }
};
NoRenames noRenames;
} // namespace

TopicLinkDialog::TopicLinkDialog(const QString& treeFile, const QString& text, QWidget* parent)
    : QDialog(parent), images_(&icons_) {
    setWindowTitle(tr("Insert Topics Link"));
    tree::loadTree(tree_, treeFile, &images_);
    model_ = std::make_unique<TreeItemModel>(tree_, icons_, noRenames);

    view_ = new QTreeView(this);
    view_->setHeaderHidden(true);
    view_->setModel(model_.get());
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    topic_ = new QLineEdit(this);
    topic_->setReadOnly(true);
    text_ = new QLineEdit(text, this);
    text_->setPlaceholderText(tr("The link itself"));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Insert"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TopicLinkDialog::insert);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TopicLinkDialog::selectionChanged);
    connect(view_, &QTreeView::doubleClicked, this, [this] {
        if (!topic_->text().isEmpty())
            accept();
    });

    auto* form = new QFormLayout;
    form->addRow(tr("Topic:"), topic_);
    form->addRow(tr("Text to show:"), text_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(360, 420);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TopicLinkDialog::~TopicLinkDialog() = default;

QString TopicLinkDialog::itemPath() const { return topic_->text(); }

QString TopicLinkDialog::textToShow() const { return text_->text(); }

void TopicLinkDialog::selectionChanged() {
    const tree::ItemHandle item = model_->handle(view_->currentIndex());
    const tree::TreeItem* found = tree_.find(item);
    topic_->setText(found && found->isTopic() ? tree_.itemPath(item) : QString());
}

void TopicLinkDialog::insert() {
    if (topic_->text().isEmpty()) {
        QMessageBox::critical(this, tr("Error"), tr("Invalidate Topic name"));
        return;
    }
    accept();
}

} // namespace oxlin::app
