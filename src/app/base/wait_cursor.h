#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace oxlin::app {

// Shows the wait cursor for the life of the object: a save, a search, a
// topic being read. Nests, since Qt keeps a stack of override cursors.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace oxlin::app
