// The work of `oxlin rtf`: a topic file read into a document or its text.
#include "cli/rich/rich_text_commands.h"

#include "cli/commands.h"
#include "cli/rich/gui_application.h"

#include "core/store/atomic_file.h"
#include "core/store/compressed_file.h"
#include "richtext/content_stream.h"
#include "richtext/plain_text.h"
#include "richtext/visible_text.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextDocument>

#include <cstdio>
#include <memory>
#include <new>

namespace oxlin::cli {

namespace {

// A topic is read whole into a document; one past the in-memory limit is
// refused before it is read.
bool readAll(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        complain(Texts::tr("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    if (file.size() > store::kMaxDecodedInMemory) {
        complain(Texts::tr("%1 is too large to read (more than %2 MiB)")
                     .arg(path)
                     .arg(store::kMaxDecodedInMemory / (1024 * 1024)));
        return false;
    }
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// Loads a topic into a document; false, with a message, when the document
// cannot get the memory it needs.
bool loadDocument(const QByteArray& bytes, QTextDocument& document,
                  richtext::StreamFormat& format) {
    try {
        format = richtext::loadTopicStream(bytes, document);
        return true;
    } catch (const std::bad_alloc&) {
        document.clear();
        complain(Texts::tr("not enough memory to read the topic"));
        return false;
    }
}

int printText(const QString& path) {
    QByteArray bytes;
    if (!readAll(path, bytes))
        return kFailure;
    // Only RTF with tables needs a document (and so the GUI application).
    auto app = guiApplication();
    const QByteArray text = richtext::visibleText(bytes).toUtf8() + '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return kSuccess;
}

int rewrite(const QString& in, const QString& out) {
    QByteArray bytes;
    if (!readAll(in, bytes))
        return kFailure;
    auto app = guiApplication();
    QTextDocument document;
    richtext::StreamFormat format;
    if (!loadDocument(bytes, document, format))
        return kFailure;
    const QByteArray written = richtext::saveTopicStream(document, format);
    QSaveFile file(out);
    if (!store::openForReplace(file).ok() || file.write(written) != written.size() ||
        !store::commitChecked(file).ok()) {
        complain(Texts::tr("cannot write %1: %2").arg(out, file.errorString()));
        return kFailure;
    }
    return kSuccess;
}

} // namespace

int rtfCommand(const QStringList& arguments) {
    return arguments[0] == QLatin1String("text") ? printText(arguments[1])
                                                 : rewrite(arguments[1], arguments[2]);
}

} // namespace oxlin::cli
