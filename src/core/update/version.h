#pragma once

// Program versions as the update check compares them: four numbers written
// "1, 0, 2, 0", the form the release's version page carries.

#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

namespace oxlin::update {

using Version = std::array<quint32, 4>;

// "0.1.0" (the build's version) as four numbers; missing parts are 0.
Version versionFromDotted(const QString& dotted);
// "1, 0, 2, 0".
QString versionText(const Version& version);

// A version page's body: surrounding white space is ignored, the rest must be
// exactly four numbers separated by commas (blanks around them allowed),
// each one that fits 32 bits unsigned.
// Anything else (an error page, a partial answer) is no version.
std::optional<Version> parseVersionPage(QByteArrayView body);

// Whether the page offers a newer release than `own`. Equal, older or not a
// version at all: no.
bool offersNewerVersion(QByteArrayView body, const Version& own);

} // namespace oxlin::update
