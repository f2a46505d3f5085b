#include "core/search/working_folder_topics.h"

namespace oxlin::search {

WorkingFolderTopics::WorkingFolderTopics(const QString& workingFolder, const QString& keptPackage)
    : folder_(workingFolder), names_(workingFolder), kept_(package_) {
    // Mapped: members are read side by side from every thread of the search,
    // and the reader lives only as long as one search.
    (void)package_.open(keptPackage);
}

bool WorkingFolderTopics::read(const QString& fileName, QByteArray& stored) const {
    // A file in the folder is newer than the kept member of the same name.
    if (names_.contains(fileName) || !package_.isOpen())
        return folder_.read(fileName, stored);
    return kept_.read(fileName, stored);
}

} // namespace oxlin::search
