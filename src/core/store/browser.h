#pragma once

#include <QString>

namespace oxlin::store {

// The program that opens web pages, or empty when none is found. Looks at
// $BROWSER (the first entry of a ":" list), then at the usual browser
// commands on PATH. Callers that get an empty result open pages through the
// launcher instead.
QString findBrowserProgram();

} // namespace oxlin::store
