// The destinations other than the document's text, and which of them takes a control word.
#pragma once

#include "richtext/rtf_color_table.h"
#include "richtext/rtf_fields.h"
#include "richtext/rtf_font_table.h"
#include "richtext/rtf_group_state.h"
#include "richtext/rtf_keywords.h"
#include "richtext/rtf_list_table.h"
#include "richtext/rtf_picture_reader.h"

namespace oxlin::richtext::reading {

// One handler per destination; what they read lasts for the whole input.
struct Destinations {
    FontTable fonts;
    ColorTable colors;
    FieldTable fields;
    PictureDestination picture;
    ObjectDestination object;
    ListTable lists;
    ParagraphNumbering numbering;

    // A word inside the destination of `group`, which may change it. True
    // when the destination is done with the word; false when it acts as it
    // does in the document's text.
    bool word(GroupState& group, Action action, int parameter, bool star);
    // A word that makes `group` a destination (\fonttbl, \pict, \*\nesttableprops...)
    // or part of a field (\field, \fldinst, \fldrslt). False for any other word.
    bool open(GroupState& group, Action action);
};

} // namespace oxlin::richtext::reading
