#include "app/editor/link_commands.h"

#include "app/base/launcher.h"
#include "app/base/prompter.h"
#include "core/tree/links.h"

#include <QDir>
#include <QFileInfo>
#include <QPalette>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

namespace oxlin::app {

LinkCommands::LinkCommands(Services services, QObject* parent)
    : QObject(parent), services_(std::move(services)) {}

bool LinkCommands::refusedByEditor() {
    const QTextEdit& editor = services_.editor;
    if (editor.isEnabled() && !editor.isReadOnly())
        return false;
    services_.prompter.message(tr(kInsertFailed), tr("Oxlin"), PromptIcon::Warning);
    return true;
}

QString LinkCommands::selectedText() const {
    const QString selected = services_.editor.textCursor().selectedText();
    // A paragraph or table cell boundary: not a text a link can show.
    if (selected.contains(QChar::ParagraphSeparator) || selected.contains(QChar::LineSeparator) ||
        selected.contains(QChar::ObjectReplacementCharacter) || selected.contains(QChar(0xfdd0)) ||
        selected.contains(QChar(0xfdd1)))
        return {};
    return selected.trimmed();
}

bool LinkCommands::insertLink(const QString& address, const QString& text) {
    QTextEdit& editor = services_.editor;
    if (refusedByEditor())
        return false;
    QTextCursor cursor = editor.textCursor();
    const QString shown = text.trimmed();
    if (shown.isEmpty() || shown == address) {
        // Plain text: the link is found in it and drawn as a link.
        cursor.insertText(address);
        return true;
    }
    QTextCharFormat around = cursor.charFormat();
    around.setAnchor(false);
    around.setAnchorHref(QString());
    QTextCharFormat link = around;
    link.setAnchor(true);
    link.setAnchorHref(address);
    link.setForeground(editor.palette().color(QPalette::Link));
    link.setFontUnderline(true);
    cursor.insertText(shown, link);
    editor.setTextCursor(cursor);
    // What is typed next continues the text, not the link.
    editor.setCurrentCharFormat(around);
    if (services_.markRichText)
        services_.markRichText();
    return true;
}

bool LinkCommands::insertFileLink() {
    const std::optional<LinkChoice> chosen = services_.prompter.fileLink(selectedText());
    if (!chosen)
        return false;
    const QString path = QDir::toNativeSeparators(QFileInfo(chosen->target).absoluteFilePath());
    if (path.toUtf8().size() > tree::kMaxLinkPathBytes) {
        services_.prompter.message(tr(kInsertFailed), tr("Oxlin"), PromptIcon::Warning);
        return false;
    }
    // A quote is written escaped: a link's end drops quotes as a sentence's
    // punctuation, so a name ending in one would lose it.
    return insertLink(tree::fileLinkText(path).replace(u'"', QLatin1String("%22")),
                      chosen->text);
}

bool LinkCommands::insertTopicLink() {
    const QString treeFile = services_.writeTreeFile ? services_.writeTreeFile() : QString();
    const std::optional<LinkChoice> chosen =
        services_.prompter.topicLink(treeFile, selectedText());
    if (!chosen)
        return false;
    return insertLink(tree::topicLinkText(chosen->target), chosen->text);
}

bool LinkCommands::insertWebLink() {
    // A selected address is the link's target; other selected text is its text.
    const QString selected = selectedText();
    const bool selectedAddress = tree::isWholeLink(selected);
    const std::optional<LinkChoice> chosen = services_.prompter.webLink(
        selectedAddress ? selected : QString(), selectedAddress ? QString() : selected);
    if (!chosen)
        return false;
    return insertLink(chosen->target, chosen->text);
}

bool LinkCommands::activate(const QString& linkText) {
    const tree::ParsedLink link = tree::parseLink(linkText);
    switch (link.kind) {
    case tree::LinkKind::None: return false;
    case tree::LinkKind::Web:
        // Handed to the desktop as one argument; no shell ever sees it.
        return services_.launcher.openInBrowser(link.target);
    case tree::LinkKind::Topic:
        if (services_.openTopicByPath && services_.openTopicByPath(link.target))
            return true;
        if (services_.note)
            services_.note(tr("The topic \"%1\" is no longer in this notebook.").arg(link.target));
        return true;
    case tree::LinkKind::File: break;
    }
    if (link.tooLong || link.fileName.isEmpty()) {
        services_.prompter.message(
            tr("The link \"%1\" names no file that can be opened.").arg(linkText.left(300)),
            tr("Oxlin"), PromptIcon::Warning);
        return true;
    }
    const QString path = QDir::fromNativeSeparators(link.target);
    if (tree::isProgramFile(path)) {
        // A notebook from someone else must not run programs on one click.
        const PromptAnswer answer =
            services_.prompter.message(tr("Open \"%1\"? It is a program.").arg(link.target),
                                       tr("Oxlin"), PromptIcon::Warning, PromptButtons::YesNo);
        if (answer != PromptAnswer::Yes)
            return true;
    }
    services_.launcher.openWithApplication(path);
    return true;
}

bool LinkCommands::appendCapturedText(const QString& text) {
    QTextEdit& editor = services_.editor;
    if (refusedByEditor())
        return false;
    QTextCursor cursor = editor.textCursor();
    if (editor.document()->blockCount() > 1)
        cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    cursor.insertText(QStringLiteral("\n\n"));
    cursor.insertText(text);
    cursor.endEditBlock();
    editor.setTextCursor(cursor);
    editor.ensureCursorVisible();
    return true;
}

} // namespace oxlin::app
