// The colours the application paints with itself: its icons and splash, the
// drop window's picture of the main window, and the pickers. They stand in
// one place so that a colour is changed once and what is drawn stays of one
// family; the pieces that show a colour of their own name it here too.
#pragma once

#include <QColor>

namespace oxlin::app::palette {

// The program's own colours: icons, tab icons and the splash.
inline const QColor kInk(0x1f, 0x3b, 0x4d);       // outlines and dark strokes
inline const QColor kTeal(0x1e, 0x88, 0x7f);      // rich text, the splash's sky
inline const QColor kTealDeep(0x13, 0x4e, 0x5e);  // where the splash's sky starts
inline const QColor kTealLight(0x4d, 0xb6, 0xac); // highlights inside icons
inline const QColor kMint(0xdf, 0xf2, 0xef);      // glass, the splash's subtitle
inline const QColor kPaper(0xfb, 0xfb, 0xf8);     // pages and the splash's band
inline const QColor kPageFold(0xe3, 0xe8, 0xea);
inline const QColor kSlate(0x78, 0x86, 0x8c); // lines of plain text
inline const QColor kAmber(0xf2, 0xb1, 0x34);
inline const QColor kAmberDark(0xd0, 0x8c, 0x14);
inline const QColor kAmberLight(0xff, 0xd5, 0x6b); // a folder's front, at its top
inline const QColor kRed(0xc6, 0x28, 0x28);        // the coloured line of rich text
inline const QColor kSplashRules(255, 255, 255, 28);
inline const QColor kCross(0xc0, 0x39, 0x2b); // the toolbar's delete cross and text colour
inline const QColor kSteel(0xc9, 0xd3, 0xd6); // the toolbar's printer

// The drop window's small picture of the main window.
inline const QColor kDropFrame(64, 80, 112);
inline const QColor kDropTitleBar(52, 101, 164);
inline const QColor kDropTreePane(236, 240, 246);
inline const QColor kDropEditorPane(255, 255, 255);
inline const QColor kDropLines(170, 178, 190);
inline const QColor kDropHighlight(255, 128, 0); // a drag over the window

// The colour and table-size pickers.
inline const QColor kPickerBackground(0xF9, 0xF8, 0xF7);
inline const QColor kPickerBorder(0x80, 0x80, 0x80);
inline const QColor kPickerGrip(0xDB, 0xD8, 0xD1);
inline const QColor kPickerGripDot(0xA0, 0xA0, 0xA0);
inline const QColor kPickerHighlight(0x60, 0xC4, 0xD2); // the shape or colour under the pointer

} // namespace oxlin::app::palette
