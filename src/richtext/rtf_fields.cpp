// The field destination and the hyperlink targets of field instructions.
#include "richtext/rtf_fields.h"

#include <QStringList>

namespace oxlin::richtext::reading {

namespace {

// Bounds on what a hostile input can make the reader keep.
constexpr size_t kMaxFields = 1000000;
constexpr qsizetype kMaxInstructionLength = 65536;

} // namespace

QString hyperlinkTarget(const QString& instruction) {
    QString text = instruction.trimmed();
    if (!text.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    text = text.mid(9);
    // Arguments are words or quoted strings; switches take the next argument.
    QStringList arguments;
    QStringList switches;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i].isSpace())
            ++i;
        if (i >= text.size())
            break;
        QString argument;
        if (text[i] == u'"') {
            ++i;
            while (i < text.size() && text[i] != u'"') {
                if (text[i] == u'\\' && i + 1 < text.size() &&
                    (text[i + 1] == u'\\' || text[i + 1] == u'"'))
                    ++i;
                argument += text[i++];
            }
            ++i;
            arguments.append(argument);
            switches.append(QString());
            continue;
        }
        while (i < text.size() && !text[i].isSpace())
            argument += text[i++];
        if (argument.startsWith(u'\\') && argument.size() == 2) {
            arguments.append(QString());
            switches.append(argument.mid(1).toLower());
        } else {
            arguments.append(argument);
            switches.append(QString());
        }
    }
    QString target, bookmark;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        if (!switches[k].isEmpty()) {
            if (k + 1 < arguments.size() && switches[k + 1].isEmpty()) {
                if (switches[k] == QLatin1String("l"))
                    bookmark = arguments[k + 1];
                ++k;
            }
            continue;
        }
        if (target.isEmpty())
            target = arguments[k];
    }
    if (!bookmark.isEmpty())
        target += u'#' + bookmark;
    return target;
}

int FieldTable::open() {
    if (instructions_.size() >= kMaxFields)
        return -1;
    instructions_.emplace_back();
    return int(instructions_.size() - 1);
}

void FieldTable::appendInstruction(int field, const QString& text) {
    QString& instruction = instructions_[size_t(field)];
    if (instruction.size() < kMaxInstructionLength)
        instruction += text;
}

int FieldTable::resultLink(int field) {
    const QString target = hyperlinkTarget(instructions_[size_t(field)]);
    if (target.isEmpty())
        return -1;
    links_.push_back(target);
    return int(links_.size() - 1);
}

} // namespace oxlin::richtext::reading
