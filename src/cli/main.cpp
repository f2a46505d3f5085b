// oxlin: reads and writes notebooks without the desktop program.

#include "cli/commands.h"

#include <QCoreApplication>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>

namespace {

// The tool prints its own results; Qt's start-up chatter (no runtime folder
// and the like) is not one of them.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    (void)context;
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietMessages);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return oxlin::cli::run(arguments);
}
