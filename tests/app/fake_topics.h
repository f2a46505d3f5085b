#pragma once

#include "app/editor/editor_topics.h"
#include "core/store/compressed_file.h"

#include <QDir>
#include <QFile>
#include <QHash>

// Topics kept in a map, their files in a real folder: enough tree for the
// editor, without the tree.
class FakeTopics final : public oxlin::app::EditorTopics {
public:
    explicit FakeTopics(const QString& folder) : folder_(folder) {}

    oxlin::app::ItemHandle add(const QString& label, const QByteArray& content = {},
                               bool createFile = true) {
        const oxlin::app::ItemHandle handle = ++last_;
        labels_.insert(handle, label);
        if (createFile) {
            QByteArray compressed;
            (void)oxlin::store::compressBuffer(content, compressed);
            QFile f(*topicFilePath(handle));
            f.open(QIODevice::WriteOnly);
            f.write(compressed);
        }
        return handle;
    }

    QByteArray stored(oxlin::app::ItemHandle handle) const {
        QByteArray out;
        (void)oxlin::store::decompressFileToBuffer(*topicFilePath(handle), out);
        return out;
    }

    QString workingFolder() const override { return folder_; }
    std::optional<QString> topicFilePath(oxlin::app::ItemHandle topic) const override {
        if (!labels_.contains(topic))
            return std::nullopt;
        return QDir(folder_).filePath(QStringLiteral("%1.XTZ").arg(topic, 8, 16, QLatin1Char('0')).toUpper());
    }
    std::optional<QString> label(oxlin::app::ItemHandle topic) const override {
        if (!labels_.contains(topic))
            return std::nullopt;
        return labels_.value(topic);
    }
    void relabel(oxlin::app::ItemHandle topic, const QString& newLabel) override {
        labels_.insert(topic, newLabel);
        relabelled << newLabel;
    }

    QStringList relabelled;

private:
    QString folder_;
    QHash<oxlin::app::ItemHandle, QString> labels_;
    oxlin::app::ItemHandle last_ = 0;
};
