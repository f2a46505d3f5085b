// oxlin: reads and writes notebooks without the desktop program.

#include "cli/commands.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return oxlin::cli::run(arguments);
}
