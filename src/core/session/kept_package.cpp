#include "core/session/kept_package.h"

#include "core/store/atomic_file.h"
#include "core/store/file_names.h"
#include "core/store/package.h"
#include "core/tree/tree_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace oxlin::session {

namespace {

// "0000000A" for "0000000A.XTZ" in any case: how the package names a member.
QString memberKey(const QString& fileName) {
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    return (dot < 0 ? fileName : fileName.left(dot)).toUpper();
}

bool isTopicMember(const QString& member) {
    bool ok = false;
    (void)member.toUInt(&ok, 16);
    return ok && member.size() == 8;
}

bool makeLink(const QString& target, const QString& link) {
#ifdef Q_OS_UNIX
    return ::link(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
#else
    Q_UNUSED(target);
    Q_UNUSED(link);
    return false;
#endif
}

// The same bytes: a size first, then the content.
bool sameBytes(const QString& a, const QString& b) {
    QFile first(a), second(b);
    if (first.size() != second.size() || !first.open(QIODevice::ReadOnly) ||
        !second.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 kBlock = 1 << 20;
    while (!first.atEnd())
        if (first.read(kBlock) != second.read(kBlock))
            return false;
    return true;
}

} // namespace

QString keptPackagePath(const QString& workingFolder) {
    return QDir(workingFolder).filePath(QLatin1String(kKeptPackageName));
}

bool keepPackage(const QString& package, const QString& workingFolder, store::FileSystem& fs) {
    const QString kept = keptPackagePath(workingFolder);
    const QString fresh = kept + QLatin1String(".new");
    QFile::remove(fresh);
    // A link costs no copy of a package of many megabytes; a file system
    // without links (or a package on another one) gets a copy, synced
    // before it takes the name.
    const bool made = makeLink(package, fresh) ||
                      (QFile::copy(package, fresh) && fs.syncFiles(workingFolder, {fresh}));
    if (made && fs.rename(fresh, kept) && fs.syncFolder(workingFolder))
        return true;
    QFile::remove(fresh);
    return false;
}

store::Status openFromKept(const QString& package, const QString& workingFolder,
                           store::FileSystem& fs) {
    if (!keepPackage(package, workingFolder, fs))
        return {store::Status::Code::WriteFailed, keptPackagePath(workingFolder)};
    store::PackageReader kept;
    bool ok = kept.open(keptPackagePath(workingFolder), false);
    const QDir folder(workingFolder);
    const QStringList stale =
        folder.entryList({QStringLiteral("*.xtz")}, QDir::Files | QDir::Hidden);
    for (const QString& name : stale)
        ok = ok && (kept.memberSize(name) < 0 || fs.remove(folder.filePath(name)));
    for (const char* name : {"Tree.xtz", "Z.xtz"}) {
        QByteArray stored;
        const QString member = QString::fromLatin1(name);
        if (ok && kept.read(member, stored))
            ok = store::writeFileAtomically(folder.filePath(member), stored, fs).ok();
    }
    if (ok)
        return {};
    QFile::remove(keptPackagePath(workingFolder));
    return {store::Status::Code::WriteFailed, workingFolder};
}

bool samePackage(const QString& a, const QString& b) {
#ifdef Q_OS_UNIX
    struct stat first {
    }, second{};
    if (::stat(QFile::encodeName(a).constData(), &first) == 0 &&
        ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
        first.st_ino == second.st_ino)
        return true;
#endif
    return sameBytes(a, b);
}

QStringList topicFilesUnder(const tree::TopicTree& tree, tree::ItemHandle root) {
    QStringList names;
    tree.walk(
        [&names](const tree::TreeItem& item, int) {
            if (item.record)
                names.append(store::topicFileName(quint32(item.record->fileId)));
        },
        root);
    return names;
}

QStringList listedTopicFiles(const QString& treeFile) {
    tree::TopicTree tree;
    (void)tree::loadTree(tree, treeFile, nullptr);
    return topicFilesUnder(tree);
}

KeptPackage::KeptPackage(QString workingFolder) : folder_(std::move(workingFolder)) {}

KeptPackage::~KeptPackage() = default;

void KeptPackage::reset(QString workingFolder) {
    folder_ = std::move(workingFolder);
    reader_.reset();
    opened_ = false;
}

const store::PackageReader* KeptPackage::reader() {
    if (!opened_) {
        opened_ = true;
        // Through the file, not a mapping: the reader lives as long as the
        // notebook is open, and a mapping of a file cut short ends the process.
        reader_ = std::make_unique<store::PackageReader>();
        if (!reader_->open(keptPackagePath(folder_), false))
            reader_.reset();
    }
    return reader_.get();
}

bool KeptPackage::exists() {
    return reader() != nullptr;
}

bool KeptPackage::takeOut(const QString& fileName, store::FileSystem& fs) {
    if (!store::findLikelySpelling(folder_, fileName).isEmpty())
        return true;
    QByteArray stored;
    if (!reader() || !reader_->read(fileName, stored))
        return true; // nothing kept to take it from: the topic has no file yet
    return store::writeFileAtomically(QDir(folder_).filePath(fileName), stored, fs).ok();
}

bool KeptPackage::takeOut(const QStringList& fileNames, store::FileSystem& fs) {
    if (!reader())
        return true;
    const QDir folder(folder_);
    const store::FolderNames present(folder_);
    QList<std::pair<QString, QString>> written; // beside, final
    bool ok = true;
    for (const QString& name : fileNames) {
        QByteArray stored;
        if (present.contains(name) || !reader_->read(name, stored))
            continue;
        const QString final = folder.filePath(name);
        QFile beside(folder.filePath(QLatin1Char('.') + name + QLatin1String(".new")));
        if (!beside.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            beside.write(stored) != stored.size() || !beside.flush()) {
            ok = false;
            beside.remove();
            continue;
        }
        store::startWriteBack(beside);
        written.append({beside.fileName(), final});
    }
    // Every file is on disk before any takes its name: a crash never leaves
    // a short file where the kept member would have been read.
    QStringList besides;
    for (const auto& [beside, final] : written)
        besides.append(beside);
    const bool synced = besides.isEmpty() || fs.syncFiles(folder_, besides);
    for (const auto& [beside, final] : written)
        if (!synced || !fs.rename(beside, final)) {
            QFile::remove(beside);
            ok = false;
        }
    return ok && synced && (written.isEmpty() || fs.syncFolder(folder_));
}

QStringList KeptPackage::unlistedTopicFiles(const QStringList& listed) {
    QStringList unlisted;
    if (!reader())
        return unlisted;
    QSet<QString> known;
    for (const QString& name : listed)
        known.insert(memberKey(name));
    for (const QString& member : reader_->members())
        if (isTopicMember(member) && !known.contains(member.toUpper()))
            unlisted.append(member.toUpper() + QLatin1String(".XTZ"));
    return unlisted;
}

PackPlan planPack(const QString& workingFolder, const QStringList& listed) {
    PackPlan plan;
    plan.folderFiles = QDir(workingFolder)
                           .entryList({QStringLiteral("*.xtz")}, QDir::Files | QDir::Hidden,
                                      QDir::Name | QDir::IgnoreCase);
    QSet<QString> inFolder;
    for (const QString& name : std::as_const(plan.folderFiles))
        inFolder.insert(memberKey(name));
    store::PackageReader kept;
    if (!kept.open(keptPackagePath(workingFolder), false)) {
        const bool missing = std::any_of(listed.begin(), listed.end(), [&](const QString& name) {
            return !inFolder.contains(memberKey(name));
        });
        plan.keptUnreadable = missing && QFileInfo::exists(keptPackagePath(workingFolder));
        return plan;
    }
    for (const QString& name : listed) {
        const QString key = memberKey(name);
        if (!inFolder.contains(key) && kept.memberSize(key) >= 0) {
            inFolder.insert(key); // an id two items share is packed once
            plan.keptMembers.append(key);
        }
    }
    return plan;
}

store::Status packPlanned(const QString& workingFolder, const PackPlan& plan,
                          const QString& packageFile, store::FileSystem& fs) {
    store::PackageReader kept;
    if (!plan.keptMembers.isEmpty() && !kept.open(keptPackagePath(workingFolder)))
        return {store::Status::Code::ReadFailed, keptPackagePath(workingFolder)};
    std::vector<store::PackageMember> members;
    members.reserve(std::size_t(plan.size()));
    const QDir folder(workingFolder);
    for (const QString& name : plan.folderFiles) {
        QFile file(folder.filePath(name));
        // As packFolder does: a file that cannot be opened is left out.
        if (file.open(QIODevice::ReadOnly))
            members.push_back({name, file.readAll()});
    }
    for (const QString& name : plan.keptMembers) {
        // A view of the mapped package: stored bytes, never decompressed.
        const QByteArrayView view = kept.view(name);
        QByteArray bytes = QByteArray::fromRawData(view.data(), view.size());
        if (view.isNull() && !kept.read(name, bytes))
            return {store::Status::Code::ReadFailed, keptPackagePath(workingFolder)};
        members.push_back({name, bytes});
    }
    std::sort(members.begin(), members.end(), [](const auto& a, const auto& b) {
        return memberKey(a.name).compare(memberKey(b.name)) < 0;
    });
    return store::packMembers(members, packageFile, fs);
}

} // namespace oxlin::session
