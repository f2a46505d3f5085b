// The RTF writer's lists: the list and override tables and each list's \lsN.
#include "richtext/rtf_document_writer.h"

#include <QTextList>

namespace oxlin::richtext::writing {

int Writer::listIndex(const QTextList* list) {
    for (size_t i = 0; i < lists_.size(); ++i)
        if (lists_[i] == list)
            return int(i + 1);
    lists_.push_back(list);
    return int(lists_.size());
}

int numberFormat(QTextListFormat::Style style) {
    switch (style) {
    case QTextListFormat::ListDecimal: return 0;
    case QTextListFormat::ListUpperRoman: return 1;
    case QTextListFormat::ListLowerRoman: return 2;
    case QTextListFormat::ListUpperAlpha: return 3;
    case QTextListFormat::ListLowerAlpha: return 4;
    default: return 23; // a bullet
    }
}

char16_t bulletOf(QTextListFormat::Style style) {
    switch (style) {
    case QTextListFormat::ListCircle: return 0x25E6;
    case QTextListFormat::ListSquare: return 0x25AA;
    default: return 0x2022;
    }
}

QByteArray Writer::listTables() const {
    // One simple list per QTextList, each with one level, and one override
    // per list so that \lsN names it: the form Word and LibreOffice read.
    if (lists_.empty())
        return {};
    QByteArray table = "{\\*\\listtable";
    QByteArray overrides = "{\\*\\listoverridetable";
    for (size_t i = 0; i < lists_.size(); ++i) {
        const QTextListFormat format = lists_[i]->format();
        const int nfc = numberFormat(format.style());
        const QByteArray id = QByteArray::number(qsizetype(i + 1));
        const QByteArray nfcText = QByteArray::number(nfc);
        const QByteArray indent = QByteArray::number(720 * std::max(1, format.indent()));
        table += "\r\n{\\list\\listtemplateid" + id + "\\listsimple{\\listlevel\\levelnfc" +
                 nfcText + "\\levelnfcn" + nfcText +
                 "\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1\\levelspace0\\levelindent0";
        if (nfc == 23)
            table += "{\\leveltext\\'01\\u" + QByteArray::number(int(bulletOf(format.style()))) +
                     " ?;}{\\levelnumbers;}";
        else
            table += "{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}";
        table += "\\fi-360\\li" + indent + "\\lin" + indent + " }{\\listname ;}\\listid" + id + "}";
        overrides += "\r\n{\\listoverride\\listid" + id + "\\listoverridecount0\\ls" + id + "}";
    }
    return table + "}\r\n" + overrides + "}\r\n";
}

} // namespace oxlin::richtext::writing
