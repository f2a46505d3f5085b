// Control words routed to the destination of their group.
#include "richtext/rtf_destinations.h"

namespace oxlin::richtext::reading {

bool Destinations::word(GroupState& s, Action action, int n, bool star) {
    // Inside skipped, picture, table and object groups only a few words
    // matter; an optional word (\*) a destination does not know takes its
    // group with it.
    switch (s.destination) {
    case Destination::Text:
        return false;
    case Destination::Skip:
        if (action == Action::UnicodeOnly)
            s.destination = Destination::Text;
        return true;
    case Destination::Picture:
        if (!picture.word(action, n) && star)
            s.destination = Destination::Skip; // \*\picprop, \*\blipuid
        return true;
    case Destination::ColorTable:
        colors.word(action, n);
        return true;
    case Destination::FontTable:
        if (fonts.tableWord(action, n))
            return true;
        if (action == Action::Unicode || action == Action::UnicodeSkip)
            return false; // font names may hold \uN
        if (star)
            s.destination = Destination::Skip; // \*\panose, \*\falt, \*\fname
        return true;
    case Destination::Object:
        if (object.word(action, n))
            return true;
        if (action == Action::ObjectResult)
            s.destination = Destination::ObjectResult;
        else if (star || action == Action::ObjectData)
            s.destination = Destination::Skip;
        return true;
    case Destination::ObjectResult:
        if (action == Action::Picture) {
            picture.begin();
            s.destination = Destination::Picture;
        } else if (star) {
            s.destination = Destination::Skip;
        }
        return true; // the result's text is part of the kept object
    case Destination::FieldInstruction:
        if (star && action != Action::UnicodeOnly) {
            s.destination = Destination::Skip; // \*\datafield and the like
            return true;
        }
        return false;
    case Destination::ListTable:
        lists.word(action, n);
        if (action == Action::LevelText || action == Action::LevelNumbers)
            s.destination = Destination::ListLevelText;
        else if (star)
            s.destination = Destination::Skip; // \*\listpicture and the like
        return true;
    case Destination::ListLevelText:
        if (action == Action::Unicode)
            lists.levelUnicode(n); // a bullet glyph
        return true;
    case Destination::ParagraphNumbering:
        numbering.word(action, n);
        return true;
    case Destination::Kept:
        return true;
    case Destination::NestedRowProperties:
        switch (action) {
        case Action::RowDefaults:
        case Action::CellX:
        case Action::CellMergeUp:
        case Action::CellMergeLeft:
        case Action::NestRow:
            return false;
        default:
            if (star)
                s.destination = Destination::Skip;
            return true;
        }
    }
    return false;
}

bool Destinations::open(GroupState& s, Action action) {
    switch (action) {
    case Action::FontTable:
        s.destination = Destination::FontTable;
        fonts.beginTable();
        return true;
    case Action::ColorTable:
        s.destination = Destination::ColorTable;
        colors.begin();
        return true;
    case Action::SkipGroup:
    case Action::ObjectData:
        s.destination = Destination::Skip;
        return true;
    case Action::UnicodeAlternative:
        s.destination = Destination::Skip; // the \ud inside has the same text in Unicode
        return true;
    case Action::TextGroup:
    case Action::UnicodeOnly:
    case Action::ObjectResult:
        return true; // groups whose text is the document's (\listtext, \shppict, \ud)
    case Action::Picture:
        picture.begin();
        s.destination = Destination::Picture;
        return true;
    case Action::Object:
        object.begin();
        s.destination = Destination::Object;
        return true;
    case Action::Field:
        if (const int field = fields.open(); field >= 0)
            s.field = field;
        return true;
    case Action::FieldInstruction:
        s.destination = s.field >= 0 ? Destination::FieldInstruction : Destination::Skip;
        return true;
    case Action::FieldResult:
        if (s.field >= 0) {
            if (const int link = fields.resultLink(s.field); link >= 0)
                s.chars.link = link;
            else if (!fields.instruction(s.field).trimmed().isEmpty())
                s.chars.fieldResult = s.field; // a page number, date, reference...
        }
        return true;
    case Action::NestedRowProperties:
        s.destination = Destination::NestedRowProperties;
        return true;
    case Action::ListTable:
        s.destination = Destination::ListTable;
        return true;
    case Action::KeptGroup:
        s.destination = Destination::Kept;
        return true;
    case Action::ParagraphNumbering:
        numbering.begin();
        s.destination = Destination::ParagraphNumbering;
        return true;
    default:
        return false;
    }
}

} // namespace oxlin::richtext::reading
