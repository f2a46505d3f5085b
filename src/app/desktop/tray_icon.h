#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace oxlin::app {

// The icon in the notification area and its menu ("&Show/Hide", "On &Top",
// "&Exit"). The menu's entries only hand their command ids to `dispatch`;
// a double click asks for the main window. Where the tray is a status
// notifier host (the D-Bus tray of Wayland desktops and of most X11 panels),
// Qt exports the icon and the menu over D-Bus and the host's activation,
// usually a single click, stands for the double click: it is the only one
// such a host sends. Without a tray (no status notifier host, no X11 tray)
// the icon is never shown, the menu's entries are greyed and popping the
// menu up shows nothing.
class TrayIcon final : public QObject {
    Q_OBJECT
public:
    using Dispatch = std::function<void(int id)>;

    static constexpr char kTip[] = QT_TR_NOOP("Oxlin");

    TrayIcon(bool available, Dispatch dispatch, QObject* parent = nullptr);
    ~TrayIcon() override;

    // Whether the session bus has a status notifier host, the condition on
    // which Qt puts the icon on D-Bus rather than into an X11 tray.
    static bool statusNotifierHostPresent();

    bool isAvailable() const { return available_; }
    // Whether a single click brings the window back (a status notifier
    // host's activation) rather than a double click.
    bool clickShows() const { return clickShows_; }
    QMenu* menu() const { return menu_; }
    QAction* onTopAction() const { return onTop_; }
    // The check mark of "On &Top".
    void setOnTopChecked(bool checked);
    // Pops the menu up at `globalPosition` (the drop window's right button).
    void popUpMenu(const QPoint& globalPosition);
    // Where the icon is on the screen; empty while no tray shows it.
    QRect iconGeometry() const;
    // A passing note from the icon; nothing without a tray.
    void showNote(const QString& title, const QString& text);

Q_SIGNALS:
    // A double click, or a status notifier host's activation.
    void doubleClicked();

private:
    bool available_;
    bool clickShows_ = false;
    Dispatch dispatch_;
    QPointer<QMenu> menu_;
    QAction* onTop_ = nullptr;
    QSystemTrayIcon* icon_ = nullptr;
};

} // namespace oxlin::app
