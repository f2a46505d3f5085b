#pragma once

#include <QGuiApplication>

#include <memory>

namespace oxlin::cli {

// QTextDocument needs a GUI application for its fonts; no window is shown
// (the offscreen platform unless QT_QPA_PLATFORM says otherwise). Null when
// an application exists already, as under the tests.
std::unique_ptr<QGuiApplication> guiApplication();

} // namespace oxlin::cli
