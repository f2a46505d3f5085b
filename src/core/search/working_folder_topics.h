// The topics of a notebook being edited: the working folder's file where a
// topic was taken out, the kept package's member where it was not.
#pragma once

#include "core/search/content_scan.h"
#include "core/store/package.h"

namespace oxlin::search {

// Made once per search: the folder is listed and the package's directory
// read at construction. A folder without a kept package (every topic in it)
// is read as FolderTopics reads it. Safe to read from several threads.
class WorkingFolderTopics final : public TopicSource {
public:
    WorkingFolderTopics(const QString& workingFolder, const QString& keptPackage);
    bool read(const QString& fileName, QByteArray& stored) const override;

private:
    FolderTopics folder_;
    store::FolderNames names_;
    store::PackageReader package_;
    PackageTopics kept_;
};

} // namespace oxlin::search
