// Renders the SVG icon into the PNG sizes of the hicolor icon theme, for
// desktops and menus that do not draw SVG themselves. Run by the build:
//   oxlin-render-icon ICON.svg OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/SIZExSIZE/apps/<ICON>.png for each size.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Nothing is shown: any machine that builds can render, with or without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: oxlin-render-icon ICON.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QString svg = args[1];
    const QDir output(args[2]);
    const QString name = QFileInfo(svg).completeBaseName() + QStringLiteral(".png");
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "oxlin-render-icon: not a size: %s\n", qPrintable(args[i]));
            return 2;
        }
        QImageReader reader(svg, "svg");
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        const QString folder = output.filePath(QStringLiteral("%1x%1/apps").arg(size));
        if (image.isNull() || !QDir().mkpath(folder) ||
            !image.save(QDir(folder).filePath(name), "PNG")) {
            std::fprintf(stderr, "oxlin-render-icon: cannot render %s at %d: %s\n",
                         qPrintable(svg), size, qPrintable(reader.errorString()));
            return 1;
        }
    }
    return 0;
}
