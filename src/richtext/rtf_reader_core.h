// The reader class template behind both the document read and the text-only read.
#pragma once

#include "richtext/rtf_destinations.h"
#include "richtext/rtf_group_state.h"
#include "richtext/rtf_pending_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_tokenizer.h"

#include <QByteArrayView>
#include <QChar>

#include <utility>
#include <vector>

class QTextTable;

namespace oxlin::richtext::reading {

// One read of one input. The reader decides where each word and run of text
// goes; the destinations keep what their groups said, and the builder puts
// content into the document through the one cursor (DocumentBuilder) or
// keeps only its text (TextBuilder). One reader for both, so the text read
// without a document is the document's text by construction.
template <class Builder>
class Reader {
public:
    template <class... Output>
    Reader(QByteArrayView input, Output&&... output)
        : input_(input), tokens_(input),
          document_(input, std::forward<Output>(output)..., report_, destinations_) {}

    const Builder& builder() const { return document_; }

    RtfReadReport run();

    // Rows read at `end` join `table`, which ends there.
    void continueTable(QTextTable* table, int end) { document_.tables().continueTable(table, end); }

private:
    GroupState& state() { return stack_.back(); }

    void pushGroup(qsizetype offset);
    void popGroup(qsizetype offset);
    // True while \ucN fallback characters after a \uN are being skipped; counts one off.
    bool skipsFallback();
    void controlWord(const RtfToken& token);
    void controlSymbol(char symbol);
    void destinationText(QByteArrayView bytes);
    void fontTableText(QByteArrayView bytes);

    // Text pipeline: bytes wait for their code page, then join the pending text.
    void appendChar(QChar c);
    void decodeBytes();
    void flushText();
    int currentCodePage() const;

    void insertCharacter(QChar c);
    void finishPicture(qsizetype groupEnd, const GroupState& closed);
    void finishObject(qsizetype groupEnd, const GroupState& closed);

    QByteArrayView input_;
    RtfTokenizer tokens_;
    RtfReadReport report_;

    std::vector<GroupState> stack_;
    qsizetype ignoredDepth_ = 0; // groups opened beyond kMaxDepth
    bool starPending_ = false;   // \* seen, the next control word names the group
    int unicodeSkipLeft_ = 0;

    Destinations destinations_;
    PendingText pending_;
    Builder document_;
};

// Its members are in rtf_reader.cpp (the token loop and the text pipeline)
// and rtf_reader_words.cpp (groups and control words), each instantiated
// there for DocumentBuilder and TextBuilder.

} // namespace oxlin::richtext::reading
