// The field destination: instructions as they are read, and the hyperlinks their results become.
#pragma once

#include <QString>

#include <vector>

namespace oxlin::richtext::reading {

// The target of a HYPERLINK field instruction: HYPERLINK "url" \l "mark"
// gives url#mark. Empty for any other field.
QString hyperlinkTarget(const QString& instruction);

// Fields are numbered in the order they open; a group's state names the field
// it is in, and text in a hyperlink's result names the link it carries.
class FieldTable {
public:
    // Opens a field and returns its number; -1 once there are too many to keep.
    int open();
    void appendInstruction(int field, const QString& text);
    // The link the result of `field` carries, or -1 when the field is no hyperlink.
    int resultLink(int field);
    const QString& link(int index) const { return links_[size_t(index)]; }
    const QString& instruction(int field) const { return instructions_[size_t(field)]; }

private:
    std::vector<QString> instructions_;
    std::vector<QString> links_;
};

} // namespace oxlin::richtext::reading
