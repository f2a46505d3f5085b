#include "app/base/scripted_prompter.h"

#include <QPrinter>

namespace oxlin::app {

QStringList ScriptedPrompter::messageTexts() const {
    QStringList texts;
    for (const Asked& a : asked)
        if (a.kind == QLatin1String("message"))
            texts << a.text;
    return texts;
}

PromptAnswer ScriptedPrompter::message(const QString& text, const QString& caption,
                                       PromptIcon icon, PromptButtons buttons) {
    asked.append({QStringLiteral("message"), text, caption, icon, buttons, {}});
    if (onMessage)
        onMessage();
    if (!answers.isEmpty())
        return answers.dequeue();
    switch (buttons) {
    case PromptButtons::Ok: return PromptAnswer::Ok;
    case PromptButtons::YesNo:
    case PromptButtons::YesNoDefaultNo:
    case PromptButtons::UnaskedYesNo: return PromptAnswer::No;
    default: return PromptAnswer::Cancel;
    }
}

QString ScriptedPrompter::saveFileName(const QString& caption, const QString& initialPath,
                                       const QStringList& filters, bool) {
    asked.append({QStringLiteral("save"), initialPath, caption, PromptIcon::None,
                  PromptButtons::Ok, filters});
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QStringList ScriptedPrompter::openFileNames(const QString& caption, const QString& folder,
                                            const QStringList& filters, bool) {
    asked.append({QStringLiteral("open"), folder, caption, PromptIcon::None, PromptButtons::Ok,
                  filters});
    return openNames.isEmpty() ? QStringList() : openNames.dequeue();
}

QString ScriptedPrompter::existingFolder(const QString& caption, const QString& folder) {
    asked.append({QStringLiteral("folder"), folder, caption, PromptIcon::None, PromptButtons::Ok, {}});
    return folders.isEmpty() ? QString() : folders.dequeue();
}

std::optional<QFont> ScriptedPrompter::font(const QFont& initial) {
    asked.append({QStringLiteral("font"), {}, {}, PromptIcon::None, PromptButtons::Ok, {}});
    if (fonts.isEmpty())
        return okFontAsGiven ? std::optional<QFont>(initial) : std::nullopt;
    return fonts.dequeue();
}

std::optional<QColor> ScriptedPrompter::colour(const QColor&) {
    asked.append({QStringLiteral("colour"), {}, {}, PromptIcon::None, PromptButtons::Ok, {}});
    if (colours.isEmpty())
        return std::nullopt;
    return colours.dequeue();
}

std::optional<TableShape> ScriptedPrompter::tableSize() {
    asked.append({QStringLiteral("tableSize"), {}, {}, PromptIcon::None, PromptButtons::Ok, {}});
    if (tableShapes.isEmpty())
        return std::nullopt;
    return tableShapes.dequeue();
}

bool ScriptedPrompter::print(QPrinter& printer) {
    asked.append({QStringLiteral("print"), printer.docName(), {}, PromptIcon::None,
                  PromptButtons::Ok, {}});
    const bool accepted = !printAnswers.isEmpty() && printAnswers.dequeue();
    if (accepted && !printFiles.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFiles.dequeue());
    }
    return accepted;
}

bool ScriptedPrompter::pageSetup(QPrinter& printer) {
    asked.append({QStringLiteral("pageSetup"), {}, {}, PromptIcon::None, PromptButtons::Ok, {}});
    const bool accepted = !printAnswers.isEmpty() && printAnswers.dequeue();
    if (accepted && !pageMargins.isEmpty())
        printer.setPageMargins(pageMargins.dequeue(), QPageLayout::Point);
    return accepted;
}

std::optional<LinkChoice> ScriptedPrompter::linkChosen(const QString& target,
                                                       const QString& offered) {
    linkTextsOffered << offered;
    if (target.isEmpty())
        return std::nullopt;
    return LinkChoice{target, linkTexts.isEmpty() ? offered : linkTexts.dequeue()};
}

std::optional<LinkChoice> ScriptedPrompter::fileLink(const QString& text) {
    const QStringList chosen =
        openFileNames(QStringLiteral("Please Select a File"), QString(), anyFileFilters(), false);
    return linkChosen(chosen.value(0), text);
}

std::optional<LinkChoice> ScriptedPrompter::topicLink(const QString& treeFile,
                                                      const QString& text) {
    asked.append({QStringLiteral("topicLink"), treeFile, QStringLiteral("Insert Topics Link"),
                  PromptIcon::None, PromptButtons::OkCancel, {}});
    return linkChosen(topicPaths.isEmpty() ? QString() : topicPaths.dequeue(), text);
}

std::optional<LinkChoice> ScriptedPrompter::webLink(const QString& address, const QString& text) {
    asked.append({QStringLiteral("webLink"), address, QStringLiteral("Insert Link"),
                  PromptIcon::None, PromptButtons::OkCancel, {}});
    return linkChosen(webAddresses.isEmpty() ? QString() : webAddresses.dequeue(), text);
}

bool ScriptedPrompter::printPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) {
    asked.append({QStringLiteral("printPreview"), printer.docName(), QString(), PromptIcon::None,
                  PromptButtons::OkCancel, {}});
    // The preview draws its pages; the test sees them as a PDF when it set one.
    if (!printer.outputFileName().isEmpty())
        paint(&printer);
    return false;
}

void ScriptedPrompter::newNotebook(const std::function<bool(const QString& name)>& create) {
    asked.append({QStringLiteral("newNotebook"), {}, QStringLiteral("New Notebook"),
                  PromptIcon::None, PromptButtons::OkCancel, {}});
    // Each name is typed and OK pressed, until the dialog closes; the names
    // left over close it with Cancel.
    const QStringList typed =
        newNotebookNames.isEmpty() ? QStringList() : newNotebookNames.dequeue();
    for (const QString& name : typed)
        if (create(name))
            return;
}

void ScriptedPrompter::openNotebook(const QStringList& names, const NotebookChoices& choices) {
    asked.append({QStringLiteral("openNotebook"), names.join(QLatin1Char('\n')),
                  QStringLiteral("Open Notebook"), PromptIcon::None, PromptButtons::OkCancel, {}});
    QStringList shown = names;
    const QList<NotebookStep> steps =
        openNotebookSteps.isEmpty() ? QList<NotebookStep>() : openNotebookSteps.dequeue();
    for (const NotebookStep& step : steps) {
        // As in the real dialog, only a listed entry can be chosen.
        if (!shown.contains(step.name))
            continue;
        if (step.deleting) {
            if (choices.remove(step.name))
                shown.removeOne(step.name);
        } else if (choices.open(step.name)) {
            break;
        }
    }
    listsLeft.append(shown);
}

namespace {

class ScriptedProgress final : public ProgressPrompt {
public:
    explicit ScriptedProgress(ScriptedPrompter& prompter) : prompter_(prompter) {}
    bool step(const QString& text) override {
        prompter_.progressSteps.append(text);
        return prompter_.cancelAfterSteps < 0 ||
               prompter_.progressSteps.size() < prompter_.cancelAfterSteps;
    }

private:
    ScriptedPrompter& prompter_;
};

} // namespace

std::unique_ptr<ProgressPrompt> ScriptedPrompter::progress(const QString& caption) {
    asked.append({QStringLiteral("progress"), {}, caption, PromptIcon::None,
                  PromptButtons::OkCancel, {}});
    return std::make_unique<ScriptedProgress>(*this);
}

} // namespace oxlin::app
