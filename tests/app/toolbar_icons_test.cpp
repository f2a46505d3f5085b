// The toolbar's own drawings: every button has a picture at each size, and
// the drawings take their colours from the palette.

#include "app/base/command_ids.h"
#include "app/base/palette.h"
#include "app/base/toolbar_icons.h"

#include <QImage>
#include <QtTest>

using namespace oxlin::app;

namespace {

bool shows(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb())
                return true;
    return false;
}

} // namespace

class ToolbarIconsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyButtonIsDrawnAtEverySize();
    void coloursComeFromThePalette();
};

void ToolbarIconsTest::everyButtonIsDrawnAtEverySize() {
    const int ids[] = {cmd::NewNotebook,   cmd::OpenNotebook, cmd::Save,        cmd::ImportPopup,
                       cmd::Export,        cmd::Cut,          cmd::Copy,        cmd::Paste,
                       cmd::KeyShortcuts,  cmd::Print,        cmd::HelpTopics,  cmd::NewFolder,
                       cmd::NewSubfolder,  cmd::NewTopic,     cmd::DeleteTopic, cmd::LevelUp,
                       cmd::LevelDown,     cmd::MoveUp,       cmd::MoveDown,    cmd::Backward,
                       cmd::Forward,       cmd::Font,         cmd::Bold,        cmd::Italic,
                       cmd::Underline,     cmd::TextColour,   cmd::IndentLess,  cmd::IndentMore,
                       cmd::AlignLeft,     cmd::AlignCentre,  cmd::AlignRight,  cmd::InsertLink,
                       cmd::InsertPicture, cmd::InsertTable};
    for (int id : ids) {
        const QIcon icon = toolbarIcon(id);
        QVERIFY2(!icon.isNull(), qPrintable(QString::number(id)));
        for (int size : {16, 32})
            QVERIFY2(!icon.pixmap(size, size).toImage().isNull(), qPrintable(QString::number(id)));
    }
    QVERIFY(toolbarIcon(cmd::Exit).isNull()); // no button, no picture
}

void ToolbarIconsTest::coloursComeFromThePalette() {
    // Drawn large enough that the fills show their colour unblended.
    const QImage print = toolbarIcon(cmd::Print).pixmap(48, 48).toImage();
    QVERIFY(shows(print, palette::kSteel));
    QVERIFY(shows(print, palette::kInk));
    const QImage folder = toolbarIcon(cmd::NewFolder).pixmap(48, 48).toImage();
    QVERIFY(shows(folder, palette::kAmber));
}

QTEST_MAIN(ToolbarIconsTest)
#include "toolbar_icons_test.moc"
