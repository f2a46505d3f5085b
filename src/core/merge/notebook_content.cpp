#include "core/merge/notebook_content.h"

#include "core/paths/notebook_paths.h"
#include "core/store/atomic_file.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/package.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace oxlin::merge {

namespace {

// The member a working folder's file packs as: its name before the first ".".
QString memberOfFile(const QString& fileName) {
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QString treeMember() {
    return memberOfFile(QLatin1String(paths::kCompressedTreeFileName));
}

// Topic files keep the spelling the program writes; other members get ".xtz".
QString fileNameFor(const QString& member) {
    bool isId = member.size() == 8;
    const quint32 id = member.toUInt(&isId, 16);
    if (isId && store::topicFileName(id).startsWith(member, Qt::CaseInsensitive))
        return store::topicFileName(id);
    return member + QLatin1String(".xtz");
}

} // namespace

QByteArray NotebookContent::bytes(const QString& name) const {
    const Member* member = find(name);
    return member ? member->bytes : QByteArray();
}

const NotebookContent::Member* NotebookContent::find(const QString& name) const {
    const auto it = members_.constFind(key(name));
    return it == members_.constEnd() ? nullptr : &it.value();
}

void NotebookContent::put(const QString& name, const QByteArray& bytes) {
    Member& member = members_[key(name)];
    if (member.name.isEmpty())
        member.name = name;
    member.bytes = bytes;
}

bool NotebookContent::text(const QString& name, QByteArray& out) const {
    out.clear();
    const Member* member = find(name);
    return !member || store::decompressBuffer(member->bytes, out).ok();
}

QString NotebookContent::topicMember(qint32 fileId) {
    return memberOfFile(store::topicFileName(quint32(fileId)));
}

store::Status readPackageContent(const QString& packageFile, NotebookContent& content,
                                 bool mapped) {
    content = NotebookContent();
    if (!QFileInfo(packageFile).isFile())
        return {store::Status::Code::NotFound, packageFile};
    auto reader = std::make_shared<store::PackageReader>();
    if (!reader->open(packageFile, mapped))
        return {store::Status::Code::Corrupt, packageFile};
    NotebookContent read;
    read.keepAlive(reader);
    for (const QString& name : reader->members()) {
        const QByteArrayView view = reader->view(name);
        QByteArray bytes =
            view.isNull() ? QByteArray() : QByteArray::fromRawData(view.data(), view.size());
        if (view.isNull() && !reader->read(name, bytes) && reader->memberSize(name) != 0)
            return {store::Status::Code::Corrupt, packageFile};
        read.put(name, bytes);
    }
    // Every notebook we write has its tree; a package without a readable
    // one is not a notebook to merge.
    QByteArray tree;
    if (!read.contains(treeMember()) || !read.text(treeMember(), tree))
        return {store::Status::Code::Corrupt, packageFile};
    content = std::move(read);
    return {};
}

store::Status readFolderContent(const QString& folder, NotebookContent& content) {
    content = NotebookContent();
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("*.xtz")}, QDir::Files | QDir::Hidden);
    for (const QString& fileName : files) {
        QFile file(QDir(folder).filePath(fileName));
        if (!file.open(QIODevice::ReadOnly))
            return store::Status::fromErrno(store::Status::Code::ReadFailed, file.fileName());
        content.put(memberOfFile(fileName), file.readAll());
    }
    return {};
}

store::Status writeFolderContent(const QString& folder, const NotebookContent& before,
                                 const NotebookContent& after, store::FileSystem& fs) {
    const store::FolderNames names(folder);
    for (const NotebookContent::Member& member : after.members()) {
        const NotebookContent::Member* old = before.find(member.name);
        if (old && old->bytes == member.bytes)
            continue;
        const QString fileName = fileNameFor(member.name);
        const QString path =
            names.contains(fileName) ? names.resolve(fileName) : QDir(folder).filePath(fileName);
        const store::Status written = store::writeFileAtomically(path, member.bytes, fs);
        if (!written.ok())
            return written;
    }
    for (const NotebookContent::Member& member : before.members()) {
        if (after.contains(member.name))
            continue;
        const QString path = names.resolve(fileNameFor(member.name));
        if (QFileInfo::exists(path) && !fs.remove(path))
            return store::Status::fromErrno(store::Status::Code::WriteFailed, path);
    }
    return {};
}

store::Status writeNewFolderContent(const QString& folder, const NotebookContent& content) {
    for (const NotebookContent::Member& member : content.members()) {
        QFile file(QDir(folder).filePath(fileNameFor(member.name)));
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
            file.write(member.bytes) != member.bytes.size() || !file.flush())
            return store::Status::fromErrno(store::Status::Code::WriteFailed, file.fileName());
    }
    return {};
}

store::Status writePackageContent(const NotebookContent& content, const QString& packageFile,
                                  store::FileSystem& fs) {
    // In name order without regard to case, as a pack of a folder lists them.
    std::vector<store::PackageMember> members;
    members.reserve(std::size_t(content.size()));
    for (const NotebookContent::Member& member : content.members())
        members.push_back({member.name, member.bytes});
    std::sort(members.begin(), members.end(), [](const auto& a, const auto& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return store::packMembers(members, packageFile, fs);
}

} // namespace oxlin::merge
