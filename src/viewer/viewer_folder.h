#pragma once

#include <QLockFile>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace oxlin::viewer {

// The viewer's private folder under the temporary folder: the package is
// unpacked below it, and it goes, with everything in it, when the object
// does. One per process, so viewers running at once (even of two packages
// with one base name) never share or delete each other's files.
//
// The folder holds a lock naming this process. A viewer that was killed
// cannot remove its folder; the next viewer to start finds the lock's owner
// gone and removes that folder (removeAbandoned).
class ViewerFolder {
public:
    static constexpr char kPrefix[] = "OxlinViewer-";
    static constexpr char kLockName[] = ".owner.lock";

    // Creates the folder in `parent` (the platform's temporary folder by default).
    explicit ViewerFolder(const QString& parent = QString());
    ViewerFolder(const ViewerFolder&) = delete;
    ViewerFolder& operator=(const ViewerFolder&) = delete;
    ~ViewerFolder();

    bool isValid() const { return valid_; }
    QString path() const { return dir_.path(); }

    // Removes the folders in `parent` left by viewers that no longer run.
    // Returns how many were removed.
    static int removeAbandoned(const QString& parent = QString());

private:
    QTemporaryDir dir_;
    // Released before the folder goes, so the removal takes the lock file too.
    std::unique_ptr<QLockFile> lock_;
    bool valid_ = false;
};

} // namespace oxlin::viewer
