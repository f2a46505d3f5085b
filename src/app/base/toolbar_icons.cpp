// The toolbar buttons' pictures: small SVG drawings on a 16 x 16 grid,
// rendered by Qt's SVG image plugin at every size a button may ask for, so
// they stay crisp at 2x. Where the desktop theme has an icon of the same
// meaning the theme's is used and ours is the fallback.
#include "app/base/toolbar_icons.h"

#include "app/base/command_ids.h"
#include "app/base/palette.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPixmap>

namespace oxlin::app {

namespace {

struct Drawing {
    int id;
    const char* themeName; // empty: our drawing only
    const char* body;      // SVG elements inside a 16 x 16 view box
};

// Shared strokes and fills: ink for outlines, teal for the accent, paper for
// pages. Colours are named by "@" tokens that renderDrawing() fills in from
// the palette.
#define INK "stroke='@ink' stroke-width='1' fill='none' stroke-linecap='round' stroke-linejoin='round'"
#define PAGE "stroke='@ink' stroke-width='1' fill='@paper'"
#define TEAL "fill='@teal'"
#define AMBER "fill='@amber'"

const Drawing kDrawings[] = {
    {cmd::NewNotebook, "document-new",
     "<rect x='2.5' y='1.5' width='10' height='13' rx='1' " PAGE "/><rect x='2.5' y='1.5' width='3' "
     "height='13' " TEAL "/><path d='M12.5 9v6M9.5 12h6' stroke='@amberdark' stroke-width='2'/>"},
    {cmd::OpenNotebook, "document-open",
     "<path d='M1.5 4.5v9h11l2-6h-10l-2 6' " PAGE "/><path d='M1.5 4.5v-2h4l1 2h6v3' " INK "/>"},
    {cmd::Save, "document-save",
     "<rect x='1.5' y='1.5' width='13' height='13' rx='1' fill='@teal' stroke='@ink'/>"
     "<rect x='4' y='2' width='8' height='5' fill='@paper'/><rect x='4.5' y='10' width='7' "
     "height='4' fill='@ink'/>"},
    {cmd::ImportPopup, "",
     "<rect x='6.5' y='1.5' width='8' height='13' " PAGE "/><path d='M1 8h8M6 5l3 3-3 3' "
     "stroke='@teal' stroke-width='1.6' fill='none'/>"},
    {cmd::Export, "",
     "<rect x='1.5' y='1.5' width='8' height='13' " PAGE "/><path d='M7 8h8M12 5l3 3-3 3' "
     "stroke='@teal' stroke-width='1.6' fill='none'/>"},
    {cmd::Cut, "edit-cut",
     "<circle cx='4.5' cy='12.5' r='2' " INK "/><circle cx='11.5' cy='12.5' r='2' " INK
     "/><path d='M6 11L12 1.5M10 11L4 1.5' " INK "/>"},
    {cmd::Copy, "edit-copy",
     "<rect x='1.5' y='1.5' width='8' height='10' " PAGE "/><rect x='6.5' y='4.5' width='8' "
     "height='10' " PAGE "/>"},
    {cmd::Paste, "edit-paste",
     "<rect x='2.5' y='2.5' width='10' height='12' rx='1' fill='@amberdark' stroke='@ink'/>"
     "<rect x='5.5' y='1.5' width='4' height='2' fill='@paper' stroke='@ink'/><rect "
     "x='7.5' y='6.5' width='7' height='8' " PAGE "/>"},
    {cmd::KeyShortcuts, "preferences-desktop-keyboard",
     "<rect x='0.5' y='4.5' width='15' height='8' rx='1' " PAGE "/><path d='M3 7h1M6 7h1M9 7h1M12 "
     "7h1M4.5 10h7' stroke='@ink' stroke-width='1.2'/>"},
    {cmd::Print, "document-print",
     "<rect x='4.5' y='1.5' width='7' height='5' " PAGE "/><rect x='1.5' y='6.5' width='13' "
     "height='6' rx='1' fill='@steel' stroke='@ink'/><rect x='4.5' y='10.5' width='7' "
     "height='4' " PAGE "/>"},
    {cmd::HelpTopics, "help-contents",
     "<circle cx='8' cy='8' r='6.5' fill='@teal' stroke='@ink'/><path d='M6 6.2a2 2 0 1 1 "
     "2.6 1.9c-.6.2-.6.7-.6 1.4' stroke='#fff' stroke-width='1.5' fill='none'/><circle cx='8' "
     "cy='11.8' r='.9' fill='#fff'/>"},
    // Tree commands.
    {cmd::NewFolder, "folder-new",
     "<path d='M1.5 4.5v9h13v-8h-7l-1-2h-5z' fill='@amber' stroke='@ink'/><path d='M8 7v5M5.5 "
     "9.5h5' stroke='@ink' stroke-width='1.4'/>"},
    {cmd::NewSubfolder, "",
     "<path d='M1.5 2.5v5h7v-4h-4l-.5-1h-2.5z' fill='@amber' stroke='@ink'/><path d='M4 8v4h2' "
     "" INK "/><path d='M6.5 9.5v5h8v-4h-4l-.5-1h-3.5z' fill='@amber' stroke='@ink'/>"},
    {cmd::NewTopic, "",
     "<path d='M3.5 1.5h6l3 3v10h-9z' " PAGE "/><path d='M5.5 7.5h5M5.5 10h5M5.5 12.5h3' " INK
     "/><circle cx='12.5' cy='3.5' r='2.5' " AMBER "/>"},
    {cmd::DeleteTopic, "edit-delete",
     "<path d='M3.5 1.5h6l3 3v10h-9z' " PAGE "/><path d='M5 6l6 6M11 6l-6 6' stroke='@cross' "
     "stroke-width='1.8'/>"},
    {cmd::LevelUp, "",
     "<path d='M14 3.5H6M14 8H9M14 12.5H6' " INK "/><path d='M5 8H1M3 6L1 8l2 2' stroke='@teal' "
     "stroke-width='1.5' fill='none'/>"},
    {cmd::LevelDown, "",
     "<path d='M14 3.5H6M14 8H9M14 12.5H6' " INK "/><path d='M1 8h4M3 6l2 2-2 2' stroke='@teal' "
     "stroke-width='1.5' fill='none'/>"},
    {cmd::MoveUp, "go-up", "<path d='M8 14V2M3 7l5-5 5 5' stroke='@teal' stroke-width='2' fill='none'/>"},
    {cmd::MoveDown, "go-down",
     "<path d='M8 2v12M3 9l5 5 5-5' stroke='@teal' stroke-width='2' fill='none'/>"},
    {cmd::Backward, "go-previous",
     "<circle cx='8' cy='8' r='6.5' fill='@teal' stroke='@ink'/><path d='M12 8H5M8 5L5 8l3 3' "
     "stroke='#fff' stroke-width='1.6' fill='none'/>"},
    {cmd::Forward, "go-next",
     "<circle cx='8' cy='8' r='6.5' fill='@teal' stroke='@ink'/><path d='M4 8h7M8 5l3 3-3 3' "
     "stroke='#fff' stroke-width='1.6' fill='none'/>"},
    // Character and paragraph formats.
    {cmd::Font, "preferences-desktop-font",
     "<path d='M1.5 14L6 2h1l4.5 12M3.3 9.5h6.4' stroke='@ink' stroke-width='1.5' fill='none'/>"
     "<path d='M11 14V8.5a2 2 0 0 1 4 0V14M11 11h4' stroke='@teal' stroke-width='1.3' fill='none'/>"},
    {cmd::Bold, "format-text-bold",
     "<path d='M4 2h4.5a3 3 0 0 1 0 6H4zM4 8h5.2a3 3 0 0 1 0 6H4z' stroke='@ink' "
     "stroke-width='2.2' fill='none' stroke-linejoin='round'/>"},
    {cmd::Italic, "format-text-italic",
     "<path d='M6 2h6M4 14h6M10 2L6 14' stroke='@ink' stroke-width='1.6' fill='none'/>"},
    {cmd::Underline, "format-text-underline",
     "<path d='M4 1.5V7a4 4 0 0 0 8 0V1.5' stroke='@ink' stroke-width='1.7' fill='none'/><path "
     "d='M2.5 14.5h11' stroke='@teal' stroke-width='1.4'/>"},
    {cmd::TextColour, "format-text-color",
     "<path d='M3 11L8 1.5 13 11M4.8 7.5h6.4' stroke='@ink' stroke-width='1.5' fill='none'/>"
     "<rect x='1' y='12.5' width='14' height='3' fill='@cross'/>"},
    {cmd::IndentLess, "format-indent-less",
     "<path d='M7 3.5h8M7 6.5h8M7 9.5h8M1 12.5h14' " INK "/><path d='M5 5L2 7l3 2z' " TEAL "/>"},
    {cmd::IndentMore, "format-indent-more",
     "<path d='M7 3.5h8M7 6.5h8M7 9.5h8M1 12.5h14' " INK "/><path d='M2 5l3 2-3 2z' " TEAL "/>"},
    {cmd::AlignLeft, "format-justify-left",
     "<path d='M1.5 3.5h13M1.5 6.5h8M1.5 9.5h13M1.5 12.5h8' " INK "/>"},
    {cmd::AlignCentre, "format-justify-center",
     "<path d='M1.5 3.5h13M4 6.5h8M1.5 9.5h13M4 12.5h8' " INK "/>"},
    {cmd::AlignRight, "format-justify-right",
     "<path d='M1.5 3.5h13M6.5 6.5h8M1.5 9.5h13M6.5 12.5h8' " INK "/>"},
    {cmd::NumberedList, "",
     "<path d='M7 4h8M7 8h8M7 12h8' " INK "/><path d='M2 2.5h1v3M1.5 7h2l-2 2.5h2' stroke='@teal' "
     "stroke-width='1' fill='none'/>"},
    {cmd::BulletList, "",
     "<path d='M7 4h8M7 8h8M7 12h8' " INK "/><circle cx='3' cy='4' r='1.3' " TEAL "/><circle "
     "cx='3' cy='8' r='1.3' " TEAL "/><circle cx='3' cy='12' r='1.3' " TEAL "/>"},
    // Insertions.
    {cmd::InsertLink, "insert-link",
     "<path d='M7 9a3 3 0 0 0 4.2 0l2.3-2.3a3 3 0 0 0-4.2-4.2L8.2 3.6M9 7a3 3 0 0 0-4.2 0L2.5 9.3a3 "
     "3 0 0 0 4.2 4.2l1.1-1.1' stroke='@teal' stroke-width='1.5' fill='none'/>"},
    {cmd::InsertPicture, "insert-image",
     "<rect x='1.5' y='2.5' width='13' height='11' " PAGE "/><path d='M2 13l4-5 3 3 2-2 3.5 4z' "
     "" TEAL "/><circle cx='11' cy='5.5' r='1.3' " AMBER "/>"},
    {cmd::InsertTable, "insert-table",
     "<rect x='1.5' y='2.5' width='13' height='11' " PAGE "/><rect x='1.5' y='2.5' width='13' "
     "height='3' fill='@teal' stroke='@ink'/><path d='M1.5 9.5h13M6 5.5v8M10.5 5.5v8' " INK
     "/>"},
    {cmd::InsertTextFile, "",
     "<path d='M3.5 1.5h6l3 3v10h-9z' " PAGE "/><path d='M5.5 6.5h5M5.5 9h5M5.5 11.5h3' " INK "/>"},
};

#undef INK
#undef PAGE
#undef TEAL
#undef AMBER

// Longer tokens first: "@amber" begins "@amberdark".
const struct {
    const char* token;
    const QColor& colour;
} kColours[] = {
    {"@amberdark", palette::kAmberDark}, {"@amber", palette::kAmber}, {"@ink", palette::kInk},
    {"@teal", palette::kTeal},           {"@paper", palette::kPaper}, {"@cross", palette::kCross},
    {"@steel", palette::kSteel},
};

QIcon renderDrawing(const char* body) {
    QByteArray svg = QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='16' "
                                "height='16' viewBox='0 0 16 16'>") +
                     body + "</svg>";
    for (const auto& [token, colour] : kColours)
        svg.replace(token, colour.name().toLatin1());
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QByteArray bytes = svg;
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer, "svg");
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

QIcon toolbarIcon(int id) {
    for (const Drawing& d : kDrawings) {
        if (d.id != id)
            continue;
        const QIcon ours = renderDrawing(d.body);
        if (*d.themeName == '\0')
            return ours;
        return QIcon::fromTheme(QString::fromLatin1(d.themeName), ours);
    }
    return {};
}

} // namespace oxlin::app
