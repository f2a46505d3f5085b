// What a topic is by its label: its kind, and the labels of text topics.
#pragma once

#include <QString>

namespace oxlin::tree {

// What a topic is follows from its label's extension.
enum class TopicKind {
    Text,     // ".txt": opens in the editor as plain text
    RichText, // ".rtf": opens in the editor as rich text
    File,     // any other extension: a whole file handed to its application
    None,     // no extension: cannot be opened
};

// The label's extension with its dot, as written ("a.b.TXT" gives ".TXT"), or
// empty when there is none. A dot in first position does not start one.
QString topicExtension(const QString& label);
TopicKind topicKind(const QString& label);
// The label a text topic takes once it carries formatting: the label from its
// first ".TXT" (any case) on becomes ".rtf" ("Plan.TXT" and "Plan.txt.bak"
// give "Plan.rtf"); a label without ".TXT" comes back unchanged.
QString richTextLabel(const QString& label);
// Whether a content search reads the topic: its label holds ".TXT" or ".RTF"
// anywhere (any case), as richTextLabel finds it.
bool isSearchableLabel(const QString& label);

} // namespace oxlin::tree
