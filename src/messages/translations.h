// The programs speak the user's language: our translations and Qt's own, for
// its standard dialogs, chosen from the system's locale at start.
#pragma once

#include <QLocale>
#include <QString>

#include <memory>

class QTranslator;

namespace oxlin::messages {

// The folder of our compiled translations ("oxlin_de.qm", ...), beside the
// programs in a build or in the install's data folder.
inline constexpr char kTranslationsFolderName[] = "translations";

// Our translation for the first of `locale`'s languages that we have, loaded
// but not installed (no application is needed for that); null when there is
// none, or English comes first: our texts are written in English.
std::unique_ptr<QTranslator> loadTranslation(const QString& executableFolder,
                                             const QLocale& locale = QLocale::system());

// Installs on the running application our translation and Qt's own for the
// same language. Returns the language installed ("de_DE"), or empty.
QString installTranslations(const QString& executableFolder,
                            const QLocale& locale = QLocale::system());

} // namespace oxlin::messages
