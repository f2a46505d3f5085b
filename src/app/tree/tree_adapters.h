#pragma once

#include "core/tree/tree_operations.h"

namespace oxlin::app {

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

} // namespace oxlin::app
