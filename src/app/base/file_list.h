#pragma once

// Files handed over by another program: a drop from a file manager, or files
// copied there and pasted here. Both arrive as a list of URLs.

#include <QMimeData>
#include <QStringList>
#include <QUrl>

namespace oxlin::app {

// The local files and folders `data` names, in its order; empty when it
// names none (web addresses are not files).
inline QStringList localFilePaths(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}

inline bool carriesLocalFiles(const QMimeData* data) { return !localFilePaths(data).isEmpty(); }

} // namespace oxlin::app
