#include "cli/commands.h"

#include "richtext/content_stream.h"
#include "richtext/plain_text.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextDocument>

#include <cstdio>
#include <memory>

namespace oxlin::cli {

namespace {

// QTextDocument needs a GUI application for its fonts; no window is shown.
std::unique_ptr<QGuiApplication> guiApplication() {
    if (QCoreApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "oxlin";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool readAll(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "oxlin: cannot read %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    bytes = file.readAll();
    return true;
}

int printText(const QString& path) {
    QByteArray bytes;
    if (!readAll(path, bytes))
        return kFailure;
    auto app = guiApplication();
    QTextDocument document;
    richtext::loadTopicStream(bytes, document);
    const QByteArray text = richtext::documentText(document).toUtf8() + '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return kSuccess;
}

int rewrite(const QString& in, const QString& out) {
    QByteArray bytes;
    if (!readAll(in, bytes))
        return kFailure;
    auto app = guiApplication();
    QTextDocument document;
    const richtext::StreamFormat format = richtext::loadTopicStream(bytes, document);
    const QByteArray written = richtext::saveTopicStream(document, format);
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || file.write(written) != written.size() || !file.commit()) {
        std::fprintf(stderr, "oxlin: cannot write %s: %s\n", qPrintable(out),
                     qPrintable(file.errorString()));
        return kFailure;
    }
    return kSuccess;
}

} // namespace

std::vector<Command> rtfCommands() {
    return {
        {"rtf", "text FILE | rewrite IN OUT",
         "print a topic's text, or write it back as RTF (plain text stays plain)", 2, 3,
         [](const QStringList& a) {
             if (a[0] == QLatin1String("text") && a.size() == 2)
                 return printText(a[1]);
             if (a[0] == QLatin1String("rewrite") && a.size() == 3)
                 return rewrite(a[1], a[2]);
             std::fprintf(stderr, "usage: oxlin rtf text FILE | oxlin rtf rewrite IN OUT\n");
             return int(kUsage);
         }},
    };
}

} // namespace oxlin::cli
