#include "core/store/status.h"

#include <cerrno>
#include <cstring>

namespace oxlin::store {

Status Status::fromErrno(Code code, QString path) {
    return Status(code, std::move(path), errno);
}

QString Status::systemMessage() const {
    if (systemError_ == 0)
        return {};
    return QString::fromLocal8Bit(std::strerror(systemError_));
}

QString Status::toString() const {
    const char* what = "ok";
    switch (code_) {
    case Code::Ok:
        return QStringLiteral("ok");
    case Code::NotFound:
        what = "not found";
        break;
    case Code::Corrupt:
        what = "damaged";
        break;
    case Code::TooLarge:
        what = "too large";
        break;
    case Code::ReadFailed:
        what = "read failed";
        break;
    case Code::WriteFailed:
        what = "write failed";
        break;
    case Code::Refused:
        what = "refused";
        break;
    case Code::NoMemory:
        what = "out of memory";
        break;
    }
    QString line = QString::fromLatin1(what);
    if (!path_.isEmpty())
        line += QStringLiteral(": ") + path_;
    if (systemError_ != 0)
        line += QStringLiteral(": ") + systemMessage();
    return line;
}

} // namespace oxlin::store
