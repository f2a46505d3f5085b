#pragma once

#include <QString>

namespace oxlin::store {

// The outcome of a store or session operation: what went wrong, on which
// path, and what the system said. An ok status carries nothing; callers
// test ok() and hand a failure to the messages layer, which words it.
class [[nodiscard]] Status {
public:
    enum class Code {
        Ok,
        NotFound,    // the file or folder does not exist
        Corrupt,     // the bytes are not what the format says (header, data, CRC)
        TooLarge,    // the content passed the caller's limit
        ReadFailed,  // the system refused a read
        WriteFailed, // the system refused a write, a rename, a sync or a folder
        Refused,     // not attempted: the state forbids it (read-only, a link,
                     // a target that exists)
        NoMemory,
    };

    Status() = default;
    Status(Code code, QString path, int systemError = 0)
        : code_(code), path_(std::move(path)), systemError_(systemError) {}

    // A failure with the calling thread's errno as its cause.
    static Status fromErrno(Code code, QString path);

    bool ok() const { return code_ == Code::Ok; }
    Code code() const { return code_; }
    const QString& path() const { return path_; }
    // The errno value behind the failure; 0 when the system said nothing.
    int systemError() const { return systemError_; }
    // The system's own words for systemError(); empty when there are none.
    QString systemMessage() const;
    // One line for logs and the command line: "write failed: PATH: No space left on device".
    QString toString() const;

    friend bool operator==(const Status&, const Status&) = default;

private:
    Code code_ = Code::Ok;
    QString path_;
    int systemError_ = 0;
};

} // namespace oxlin::store
