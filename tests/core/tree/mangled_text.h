#pragma once

// Damage made at random for the tree-file tests: up to `maxEdits` + 1 cuts,
// inserted INI punctuation and overwritten bytes.

#include <QByteArray>

#include <cstdint>
#include <random>

namespace oxlin::tree {

inline QByteArray mangled(QByteArray text, std::mt19937& random, unsigned maxEdits) {
    for (int edits = int(random() % maxEdits); edits >= 0 && !text.isEmpty(); --edits) {
        const int at = int(random() % std::uint32_t(text.size()));
        switch (random() % 3) {
        case 0:
            text.remove(at, int(random() % 6));
            break;
        case 1:
            text.insert(at, "[\\=0\r\n]\xC3"[random() % 9]);
            break;
        default:
            text[at] = char(random());
            break;
        }
    }
    return text;
}

} // namespace oxlin::tree
