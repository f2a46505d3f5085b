// The RTF writer: a QTextDocument written as ASCII-only RTF.
#pragma once

#include <QByteArray>

class QTextDocument;

namespace oxlin::richtext {

// Writes `document` as RTF in the style of the platform's rich edit control:
// header "{\rtf1\ansi\ansicpg1252\deff0\deflang1033", font and colour tables,
// "\viewkind4\uc1", one \pard paragraph per block, characters outside ASCII
// as \uN?, tables as \trowd rows, pictures as \pict\pngblip (or \jpegblip when
// read as JPEG), links as HYPERLINK fields and kept objects verbatim.
// The output is pure ASCII with CR LF line ends.
QByteArray writeRtf(const QTextDocument& document);

} // namespace oxlin::richtext
