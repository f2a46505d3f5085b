#include "messages/tree_messages.h"

namespace oxlin::messages {

QString TreeMessages::caption() {
    return tr("Oxlin");
}

QString TreeMessages::dropCaption() {
    return tr("确认");
}

QString TreeMessages::question(tree::TreeQuestion question, const QString& label,
                               const QString& folderPath) {
    switch (question) {
    case tree::TreeQuestion::DeleteTopic:
        return tr("Do you want to delete %1?").arg(label);
    case tree::TreeQuestion::DeleteFolder:
        return tr("Do you want to delete %1 and all topics in this folder?").arg(label);
    case tree::TreeQuestion::MoveToTop:
        return tr("move [%1] to root?\r\n").arg(label);
    case tree::TreeQuestion::MoveToFolder:
        return tr("move [%1] to [%2]?\r\n").arg(label, folderPath);
    }
    return {};
}

QString TreeMessages::labelRefused(tree::LabelCheck check, const QString& label) {
    switch (check) {
    case tree::LabelCheck::Accepted:
        return {};
    case tree::LabelCheck::Empty:
        return tr("The name cannot be empty.");
    case tree::LabelCheck::ReservedCharacter:
        return tr("A name cannot contain \\ / = [ ] or control characters.");
    case tree::LabelCheck::NotAFileName:
        return tr("%1 cannot be used as a name.").arg(label);
    case tree::LabelCheck::TooLong:
        return tr("The name is too long.");
    case tree::LabelCheck::FolderExists:
        return tr("A catalog named %1 already exists here.").arg(label);
    }
    return {};
}

QString TreeMessages::notebookFull() {
    return tr("This notebook is full: a notebook holds at most %L1 topics. Please make a new "
              "notebook for more.")
        .arg(tree::kMaxTopics);
}

} // namespace oxlin::messages
