#pragma once

#include <QObject>

#include <functional>

namespace oxlin::app {

class EditorHost;
class Prompter;

// The editing commands (1201-1298): character and paragraph formats, lists,
// and inserting tables, pictures and files into the open topic. Choices the
// user makes (font, colour, table size, files) come through the prompter.
// Every command that gives the text formatting marks the topic as rich text,
// so it is saved as RTF from then on.
//
// `editor` and `prompter` must outlive the commands. `dispatch` hands on the
// link pop-up's choice (Link to a file / to a topic).
class EditingCommands final : public QObject {
    Q_OBJECT
public:
    using Dispatch = std::function<void(int id)>;

    EditingCommands(EditorHost& editor, Prompter& prompter, Dispatch dispatch,
                    QObject* parent = nullptr);

    // Carries out command `id`; identifiers without an action do nothing.
    void command(int id);

    // Texts the user reads.
    static constexpr char kCouldNotLoadImage[] = QT_TR_NOOP("Could not load image.");
    static constexpr char kPictureTitle[] = QT_TR_NOOP("Please Select a Image File");

private:
    bool topicOpen() const;
    void chooseFont();
    void chooseColour();
    void align(Qt::Alignment alignment);
    void insertTable();
    void insertPictureFile();
    void insertTextFile();
    void showLinkMenu();

    EditorHost& editor_;
    Prompter& prompter_;
    Dispatch dispatch_;
};

} // namespace oxlin::app
