#pragma once

#include "core/tree/tree_operations.h"

namespace oxlin::app {

class EditorHost;
class Prompter;

// The tree operations' questions and refusals as message boxes of the
// prompter: Yes/No for questions, OK for refusals. `prompter` must outlive
// the adapter.
class PrompterQuestions final : public tree::TreeQuestions {
public:
    explicit PrompterQuestions(Prompter& prompter) : prompter_(prompter) {}
    bool confirm(tree::TreeQuestion question, const QString& label,
                 const QString& folderPath) override;
    void refuseLabel(tree::LabelCheck check, const QString& label) override;
    void refuseFullNotebook() override;

private:
    Prompter& prompter_;
};

// The editor host as the tree operations see it. `host` must outlive the adapter.
class HostedTreeEditor final : public tree::TreeEditor {
public:
    explicit HostedTreeEditor(EditorHost& host) : host_(host) {}
    tree::ItemHandle currentItem() const override;
    bool saveTopic() override;
    void closeWithoutSaving() override;
    void repoint(tree::ItemHandle item) override;
    quint32 viewPosition() const override;
    bool loadTopic(tree::ItemHandle item) override;
    void restoreViewPosition(quint32 position) override;

private:
    EditorHost& host_;
};

} // namespace oxlin::app
