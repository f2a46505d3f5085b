#include "app/editor/editing_commands.h"

#include "app/base/command_ids.h"
#include "app/base/prompter.h"
#include "app/base/wait_cursor.h"
#include "app/editor/editor_host.h"
#include "app/editor/font_choice.h"
#include "app/editor/insertions.h"
#include "app/editor/text_formatting.h"
#include "app/editor/topic_text_edit.h"
#include "richtext/content_stream.h"

#include <QCursor>
#include <QFile>
#include <QMenu>

namespace oxlin::app {

EditingCommands::EditingCommands(EditorHost& editor, Prompter& prompter, Dispatch dispatch,
                                 QObject* parent)
    : QObject(parent), editor_(editor), prompter_(prompter), dispatch_(std::move(dispatch)) {
    connect(editor_.editor(), &TopicTextEdit::richContentInserted, this,
            [this] { editor_.markRichText(); });
}

bool EditingCommands::topicOpen() const {
    return editor_.isOpen() && editor_.editor()->isEnabled() && !editor_.editor()->isReadOnly();
}

void EditingCommands::command(int id) {
    if (!topicOpen())
        return;
    TopicTextEdit& edit = *editor_.editor();
    switch (id) {
    case cmd::InsertTable: insertTable(); return;
    case cmd::InsertPicture: insertPictureFile(); return;
    case cmd::InsertTextFile: insertTextFile(); return;
    case cmd::Font: chooseFont(); return;
    case cmd::TextColour: chooseColour(); return;
    case cmd::InsertLink: showLinkMenu(); return;
    case cmd::AlignLeft: align(Qt::AlignLeft); return;
    case cmd::AlignCentre: align(Qt::AlignHCenter); return;
    case cmd::AlignRight: align(Qt::AlignRight); return;
    case cmd::Bold: toggleCharEffect(edit, CharEffect::Bold); break;
    case cmd::Italic: toggleCharEffect(edit, CharEffect::Italic); break;
    case cmd::Underline: toggleCharEffect(edit, CharEffect::Underline); break;
    case cmd::IndentLess: changeIndentation(edit.textCursor(), false); break;
    case cmd::IndentMore: changeIndentation(edit.textCursor(), true); break;
    case cmd::NumberedList: toggleList(edit.textCursor(), QTextListFormat::ListDecimal); break;
    case cmd::BulletList: toggleList(edit.textCursor(), QTextListFormat::ListDisc); break;
    default: return;
    }
    editor_.markRichText();
}

void EditingCommands::chooseFont() {
    TopicTextEdit& edit = *editor_.editor();
    const QFont initial = fontOfSelection(edit);
    const std::optional<QFont> font = prompter_.font(initial);
    if (font && applyFont(edit, initial, *font))
        editor_.markRichText();
}

void EditingCommands::chooseColour() {
    TopicTextEdit& edit = *editor_.editor();
    const QBrush now = edit.currentCharFormat().foreground();
    const std::optional<QColor> colour =
        prompter_.colour(now.style() == Qt::NoBrush ? QColor(Qt::black) : now.color());
    if (!colour)
        return;
    edit.setFocus(Qt::OtherFocusReason);
    applyTextColour(edit, *colour);
    editor_.markRichText();
}

void EditingCommands::align(Qt::Alignment alignment) {
    // Already so aligned: no change, and the topic keeps its format.
    if (applyAlignment(editor_.editor()->textCursor(), alignment))
        editor_.markRichText();
}

void EditingCommands::insertTable() {
    const std::optional<TableShape> shape = prompter_.tableSize();
    if (!shape)
        return;
    QTextCursor cursor = editor_.editor()->textCursor();
    if (!insertTableRows(cursor, shape->rows, shape->columns))
        return;
    editor_.editor()->setTextCursor(cursor);
    editor_.markRichText();
}

void EditingCommands::insertPictureFile() {
    const QStringList chosen =
        prompter_.openFileNames(tr(kPictureTitle), QString(), pictureFileFilters(), false);
    if (chosen.isEmpty())
        return;
    QFile file(chosen.first());
    std::optional<Picture> picture;
    {
        WaitCursor wait;
        if (file.open(QIODevice::ReadOnly))
            picture = pictureFromBytes(file.readAll());
    }
    if (!picture) {
        prompter_.message(tr(kCouldNotLoadImage), tr("Oxlin"), PromptIcon::Warning);
        return;
    }
    QTextCursor cursor = editor_.editor()->textCursor();
    insertPicture(cursor, *picture);
    editor_.editor()->setTextCursor(cursor);
    editor_.markRichText();
}

void EditingCommands::insertTextFile() {
    const QStringList chosen = prompter_.openFileNames(
        QString(), QString(),
        {tr("Text and Rich Text (*.TXT *.RTF *.txt *.rtf)"), tr("Text Files (*.TXT *.txt)"),
         tr("Rich Text Format (*.RTF *.rtf)"), tr("All Files (*)")},
        false);
    if (chosen.isEmpty())
        return;
    WaitCursor wait;
    QFile file(chosen.first());
    if (!file.open(QIODevice::ReadOnly)) {
        prompter_.message(tr("Error insert document. [%1]").arg(long(file.error())), QString(),
                          PromptIcon::None);
        return;
    }
    const QByteArray bytes = file.readAll();
    TopicTextEdit& edit = *editor_.editor();
    QTextCursor cursor = edit.textCursor();
    const richtext::StreamFormat format = richtext::insertTopicStream(bytes, cursor);
    edit.setTextCursor(cursor);
    edit.document()->setModified(true);
    // Formatting read from an RTF file would be lost at the next save of a
    // plain topic: the topic becomes rich text with it.
    if (format == richtext::StreamFormat::RichText)
        editor_.markRichText();
}

void EditingCommands::showLinkMenu() {
    auto* menu = new QMenu(editor_.editor());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setObjectName(QStringLiteral("linkMenu"));
    for (const auto& [id, text] : {std::pair{cmd::LinkToFile, QT_TR_NOOP("Link to a file")},
                                   std::pair{cmd::LinkToTopic, QT_TR_NOOP("Link to a Topic")},
                                   std::pair{cmd::LinkToWeb, QT_TR_NOOP("Link to a Web Address")}}) {
        QAction* entry = menu->addAction(tr(text));
        connect(entry, &QAction::triggered, this, [this, id = id] {
            if (dispatch_)
                dispatch_(id);
        });
    }
    menu->popup(QCursor::pos());
}

} // namespace oxlin::app
