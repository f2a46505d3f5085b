// The picture and object destinations.
#include "richtext/rtf_picture_reader.h"

#include "richtext/text_objects.h"

namespace oxlin::richtext::reading {

bool PictureDestination::word(Action action, int n) {
    switch (action) {
    case Action::PictPng: picture_.kind = PictureData::Png; break;
    case Action::PictJpeg: picture_.kind = PictureData::Jpeg; break;
    case Action::PictDib: picture_.kind = PictureData::Dib; break;
    case Action::PictOpaque: picture_.kind = PictureData::Opaque; break;
    case Action::PicW: picture_.picW = n; break;
    case Action::PicH: picture_.picH = n; break;
    case Action::PicWGoal: picture_.goalW = n; break;
    case Action::PicHGoal: picture_.goalH = n; break;
    case Action::PicScaleX: picture_.scaleX = n; break;
    case Action::PicScaleY: picture_.scaleY = n; break;
    default:
        return false;
    }
    return true;
}

void PictureDestination::hexText(QByteArrayView bytes) {
    QByteArray& data = picture_.data;
    // Pictures are large and come in many runs of text: grow in steps, not per run.
    if (data.capacity() - data.size() < bytes.size() / 2)
        data.reserve(data.size() + bytes.size() / 2 + 1024);
    int nibble = picture_.pendingNibble;
    for (char c : bytes) {
        int v;
        if (c >= '0' && c <= '9') v = c - '0';
        else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
        else continue;
        if (nibble < 0) {
            nibble = v;
        } else {
            data.append(char(nibble * 16 + v));
            nibble = -1;
        }
    }
    picture_.pendingNibble = nibble;
}

PictureData PictureDestination::take() {
    PictureData p = std::move(picture_);
    picture_ = PictureData{};
    return p;
}

void ObjectDestination::begin() {
    width_ = height_ = 0;
    image_ = QImage();
    imageSize_ = QSizeF();
}

bool ObjectDestination::word(Action action, int n) {
    switch (action) {
    case Action::ObjW: width_ = n; return true;
    case Action::ObjH: height_ = n; return true;
    default: return false;
    }
}

QSizeF ObjectDestination::displaySize() const {
    if (width_ > 0 && height_ > 0)
        return QSizeF(width_ / kTwipsPerPixel, height_ / kTwipsPerPixel);
    return imageSize_;
}

} // namespace oxlin::richtext::reading
