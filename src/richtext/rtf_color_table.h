// The colour table destination: \red, \green and \blue entries ended by semicolons.
#pragma once

#include "richtext/rtf_keywords.h"

#include <QByteArrayView>
#include <QColor>

#include <vector>

namespace oxlin::richtext::reading {

class ColorTable {
public:
    // \colortbl starts the table afresh.
    void begin();
    // \redN, \greenN, \blueN of the entry being read; other words mean nothing here.
    void word(Action action, int parameter);
    // Semicolons end entries; an entry without components is "automatic".
    void text(QByteArrayView bytes);

    // The colour of entry `index`; invalid for automatic (0), unknown or out of range.
    QColor color(int index) const;

private:
    std::vector<QColor> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorSet_ = false;
};

} // namespace oxlin::richtext::reading
