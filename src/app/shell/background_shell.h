#pragma once

#include "app/desktop/drop_geometry.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace oxlin::app {

class DropWindow;
class GlobalHotkey;
class NotebookController;
class Prompter;
class TrayIcon;

// How the program lives in the background: the tray icon and its menu, the
// global hotkey, always on top, the key reference and the drop window that
// captures text from other programs. Installs the tray commands (1101,
// 1107) and 40023, 40033, 40034 on the window's router; everything else it
// does goes through the controller's public parts, so ending still runs the
// one exit sequence and captured text lands through the tree and editor.
//
// `controller` and `prompter` are borrowed and must outlive it.
class BackgroundShell final : public QObject {
    Q_OBJECT
public:
    static constexpr char kHotkeyFailed[] = QT_TR_NOOP("Register Hotkey Failed!");
    static constexpr char kHotkeyFailedCaption[] = QT_TR_NOOP("Error");
    // Captured text is refused past the size an imported file may have.
    static constexpr qint64 kMaxCapturedBytes = 10'000'000;

    BackgroundShell(NotebookController& controller, Prompter& prompter, bool trayAvailable,
                    QObject* parent = nullptr);
    ~BackgroundShell() override;

    // Registers Ctrl+Shift+A; says "Register Hotkey Failed!" when another
    // program holds it or the desktop refuses it, which with the portal is
    // known only later. Nothing is said where there are no global keys.
    void registerHotkey();
    // Replaces the platform's hotkey mechanism (null: none). Before
    // `registerHotkey`.
    void setHotkey(std::unique_ptr<GlobalHotkey> hotkey);

    // F10: in or out of the always-on-top band, keeping place, size and focus.
    void toggleOnTop();
    bool isOnTop() const;
    // F9: destroys a shown drop window, or creates one at its start place.
    void toggleDropWindow();
    DropWindow* dropWindow() const;
    TrayIcon& tray() { return *tray_; }

    // Shows, restores, raises and activates the main window, editor focused.
    void bringBack();
    // Handles text dropped on the drop window. True when it was captured.
    bool capture(drop::Zone zone, const QString& text);

private:
    void installCommands();
    void syncOnTopChecks();
    bool captureAsTopic(const QString& text);
    void reportHotkeyFailure();
    // Said once, from the icon, at the first hide: how to bring the window back.
    QString wayBackNote() const;

    NotebookController& controller_;
    Prompter& prompter_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<GlobalHotkey> hotkey_;
    QPointer<DropWindow> drop_;
    bool hiddenNoteShown_ = false;
    bool dropPlacementNoted_ = false; // said once why the drop window is not in its corner
};

} // namespace oxlin::app
