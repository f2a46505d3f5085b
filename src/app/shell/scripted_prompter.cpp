#include "app/shell/scripted_prompter.h"

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
    case PromptButtons::YesNo: return PromptAnswer::No;
    default: return PromptAnswer::Cancel;
    }
}

QString ScriptedPrompter::saveFileName(const QString& caption, const QString& initialPath,
                                       const QStringList& filters) {
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

std::optional<QFont> ScriptedPrompter::font(const QFont&) {
    asked.append({QStringLiteral("font"), {}, {}, PromptIcon::None, PromptButtons::Ok, {}});
    if (fonts.isEmpty())
        return std::nullopt;
    return fonts.dequeue();
}

std::optional<QColor> ScriptedPrompter::colour(const QColor&) {
    asked.append({QStringLiteral("colour"), {}, {}, PromptIcon::None, PromptButtons::Ok, {}});
    if (colours.isEmpty())
        return std::nullopt;
    return colours.dequeue();
}

bool ScriptedPrompter::print(QPrinter&) {
    asked.append({QStringLiteral("print"), {}, {}, PromptIcon::None, PromptButtons::Ok, {}});
    return !printAnswers.isEmpty() && printAnswers.dequeue();
}

bool ScriptedPrompter::pageSetup(QPrinter&) {
    asked.append({QStringLiteral("pageSetup"), {}, {}, PromptIcon::None, PromptButtons::Ok, {}});
    return !printAnswers.isEmpty() && printAnswers.dequeue();
}

QString ScriptedPrompter::topicPath(const QString& treeFile) {
    asked.append({QStringLiteral("topicLink"), treeFile, QStringLiteral("Insert Topics Link"),
                  PromptIcon::None, PromptButtons::OkCancel, {}});
    return topicPaths.isEmpty() ? QString() : topicPaths.dequeue();
}

} // namespace oxlin::app
