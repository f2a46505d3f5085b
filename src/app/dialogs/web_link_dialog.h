#pragma once

// "Insert Link": a web address and the text a link to it shows.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace oxlin::app {

class WebLinkDialog final : public QDialog {
    Q_OBJECT
public:
    WebLinkDialog(const QString& address, const QString& text, QWidget* parent = nullptr);

    QLineEdit* addressField() const { return address_; }
    QLineEdit* textField() const { return text_; }
    // The address as a link can hold it: trimmed, "www." and mail addresses
    // given the scheme a link needs.
    QString address() const;

private:
    QLineEdit* address_ = nullptr;
    QLineEdit* text_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace oxlin::app
