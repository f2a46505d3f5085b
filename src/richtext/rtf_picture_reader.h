// The picture and object destinations: what \pict and \object groups say of their content.
#pragma once

#include "richtext/rtf_keywords.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSizeF>

namespace oxlin::richtext::reading {

// What a \pict group said of its picture.
struct PictureData {
    enum Kind { None, Png, Jpeg, Dib, Opaque } kind = None;
    int picW = 0, picH = 0, goalW = 0, goalH = 0, scaleX = 100, scaleY = 100;
    QByteArray data;
    int pendingNibble = -1; // a hex digit whose pair is still to come
};

class PictureDestination {
public:
    void begin() { picture_ = PictureData{}; }
    // The picture's kind (\pngblip, \wmetafile...) and sizes (\picw, \picwgoal,
    // \picscalex...). False for any other word.
    bool word(Action action, int parameter);
    // Hex digits of the picture's bytes; anything else between them is ignored.
    void hexText(QByteArrayView bytes);
    // The payload of \binN, taken as it is.
    void binary(QByteArrayView bytes) { picture_.data.append(bytes.data(), bytes.size()); }
    // The picture read so far; the destination starts afresh.
    PictureData take();

private:
    PictureData picture_;
};

// An OLE object: its size, and the picture of its \result that shows it.
class ObjectDestination {
public:
    void begin();
    // \objwN and \objhN. False for any other word.
    bool word(Action action, int parameter);
    void setResult(const QImage& image, QSizeF size) {
        image_ = image;
        imageSize_ = size;
    }
    // The object's size in pixels: its own, else its result picture's.
    QSizeF displaySize() const;
    const QImage& image() const { return image_; }
    void clearImage() { image_ = QImage(); }

private:
    int width_ = 0, height_ = 0; // twips
    QImage image_;
    QSizeF imageSize_;
};

} // namespace oxlin::richtext::reading
