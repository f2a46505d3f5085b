#include "store/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace oxlin::store {

bool writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return commitChecked(file);
}

bool commitChecked(QSaveFile& file) {
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString keepDamagedCopy(const QString& source, const QString& target) {
    QString copy = target;
    for (int n = 1; QFileInfo::exists(copy) && n < 1000; ++n)
        copy = target + QString::number(n);
    return QFile::copy(source, copy) ? copy : QString();
}

} // namespace oxlin::store
