#pragma once

// The New Notebook and Open Notebook dialogs. They only collect the user's
// choice and hand it on; what a name may be and what creating, opening or
// deleting does is decided by the callbacks they are given.

#include "app/base/prompter.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace oxlin::app {

// Places a dialog in the middle of the screen it is shown on.
void centreOnScreen(QDialog& dialog);
// Gives a dialog a title and a close box only.
void makePlainDialog(QDialog& dialog);

class NewNotebookDialog final : public QDialog {
    Q_OBJECT
public:
    NewNotebookDialog(std::function<bool(const QString& name)> create, QWidget* parent = nullptr);

    QLineEdit* nameField() const { return name_; }
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<bool(const QString&)> create_;
    QLineEdit* name_ = nullptr;
};

class OpenNotebookDialog final : public QDialog {
    Q_OBJECT
public:
    OpenNotebookDialog(const QStringList& names, NotebookChoices choices,
                       QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    void openSelected();
    void deleteSelected();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString selectedName() const;

    NotebookChoices choices_;
    QListWidget* list_ = nullptr;
};

} // namespace oxlin::app
