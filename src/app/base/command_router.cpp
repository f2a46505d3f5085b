#include "app/base/command_router.h"

#include "app/base/command_ids.h"

#include <algorithm>
#include <iterator>

namespace oxlin::app {

bool CommandRouter::isMenuCommand(int id) {
    return std::find(std::begin(cmd::MenuTable), std::end(cmd::MenuTable), id) !=
           std::end(cmd::MenuTable);
}

void CommandRouter::setMenuHandler(int id, Handler handler) {
    if (isMenuCommand(id))
        menu_.insert(id, std::move(handler));
}

CommandRoute CommandRouter::dispatch(quint32 command) {
    const int id = static_cast<int>(command & 0xFFFFu);
    if (id >= cmd::TreeFirst && id <= cmd::TreeLast) {
        if (tree_)
            tree_(id);
        return CommandRoute::Tree;
    }
    if (id >= cmd::TrayFirst && id <= cmd::TrayLast) {
        if (tray_)
            tray_(id);
        return CommandRoute::Tray;
    }
    if (id >= cmd::EditingFirst && id <= cmd::EditingLast) {
        if (editing_)
            editing_(id);
        return CommandRoute::Editing;
    }
    if (window_ && window_(id))
        return CommandRoute::Window;
    if (!isMenuCommand(id))
        return CommandRoute::Unhandled;
    if (const auto it = menu_.constFind(id); it != menu_.constEnd() && *it)
        (*it)();
    return CommandRoute::Menu;
}

} // namespace oxlin::app
