#pragma once

#include <QHash>
#include <QtGlobal>

#include <functional>

namespace oxlin::app {

// Where a command went. Returned by dispatch so callers and tests can see the
// routing without side effects of their own.
enum class CommandRoute { Tree, Tray, Editing, Window, Menu, Unhandled };

// The one dispatch of every command identifier. Ranges are tried first (tree,
// tray, editing), then the window commands, then the menu table; an identifier
// that matches nothing does nothing. Handlers are installed by the parts that
// own the commands; a part that is not built yet simply installs none, and its
// commands still route (to nothing).
class CommandRouter {
public:
    using RangeHandler = std::function<void(int id)>;
    using WindowHandler = std::function<bool(int id)>; // true when taken
    using Handler = std::function<void()>;

    void setTreeHandler(RangeHandler handler) { tree_ = std::move(handler); }
    void setTrayHandler(RangeHandler handler) { tray_ = std::move(handler); }
    void setEditingHandler(RangeHandler handler) { editing_ = std::move(handler); }
    void setWindowHandler(WindowHandler handler) { window_ = std::move(handler); }
    // Only identifiers of the menu table are accepted; others are ignored.
    void setMenuHandler(int id, Handler handler);

    // Only the low 16 bits of `command` count, compared as an unsigned number.
    CommandRoute dispatch(quint32 command);

    static bool isMenuCommand(int id);

private:
    RangeHandler tree_;
    RangeHandler tray_;
    RangeHandler editing_;
    WindowHandler window_;
    QHash<int, Handler> menu_;
};

} // namespace oxlin::app
