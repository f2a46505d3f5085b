// A package that lives elsewhere and is only ever read: the viewer's notebook.
#pragma once

#include "core/session/loaded_notebook.h"

#include <functional>
#include <memory>

namespace oxlin::store {
class PackageReader;
}

namespace oxlin::session {

// Opens a package and loads its tree, and never writes the package: it has
// nothing that packs. Only the tree and runtime members are written into the
// working folder; a topic's file is fetched from the package when it is first
// needed (fetchTopicFile), and searches read the package directly (package()).
// Nothing is written beside the package. Not thread-safe.
class ReadOnlyNotebook final : public LoadedNotebook {
public:
    // `profiles` and `images` are borrowed and must outlive the notebook;
    // `images` may be null. `treeLoaded` runs after every load of the tree
    // (the index worker starts there); it may reach objects made after the
    // notebook, as long as those exist before the first open.
    ReadOnlyNotebook(ProfileService& profiles, QString workingRoot, tree::TopicImages* images,
                     std::function<void()> treeLoaded = {});
    ~ReadOnlyNotebook() override;

    // Opens `package` and loads its tree. When the tree cannot be read every
    // member is unpacked, so the topics found can be recovered. A package
    // that cannot be read opens as an empty tree, and false is returned.
    bool open(const QString& package);
    // The open package, for reading members directly; null when it could not
    // be read. Safe to read from several threads.
    const store::PackageReader* package() const { return package_.get(); }
    // Copies the topic file of `fileId` out of the package the first time it
    // is needed; false when the package has no such member or it cannot be
    // written.
    bool fetchTopicFile(qint32 fileId) override;

private:
    std::function<void()> treeLoaded_;
    std::unique_ptr<store::PackageReader> package_;
};

} // namespace oxlin::session
