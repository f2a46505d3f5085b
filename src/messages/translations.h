// The programs speak the user's language: our translations and Qt's own, for
// its standard dialogs, chosen from the system's locale at start.
#pragma once

#include <QLocale>
#include <QString>

namespace oxlin::messages {

// The folder of our compiled translations ("oxlin_de.qm", ...), beside the
// programs in a build or in the install's data folder.
inline constexpr char kTranslationsFolderName[] = "translations";

// Installs on the running application our translation for the first of
// `locale`'s languages that we have, and Qt's own for that language. A
// language we do not have, or English ahead of it, leaves the texts as they
// are written. Returns the language installed ("de_DE"), or empty.
QString installTranslations(const QString& executableFolder,
                            const QLocale& locale = QLocale::system());

} // namespace oxlin::messages
