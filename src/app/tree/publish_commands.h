#pragma once

// File > Export As: the selected folder, or the whole notebook, as web
// pages, Markdown files or one PDF. The work is publish's exporter; this
// asks where to, runs it a slice at a time from the event loop with a
// progress window whose Cancel stops it, and says what happened.

#include "core/tree/tree_model.h"

#include <QFont>
#include <QObject>
#include <QPageLayout>
#include <QTimer>

#include <functional>
#include <memory>

namespace oxlin::session {
class NotebookSession;
}
namespace oxlin::publish {
enum class SiteFormat;
}

namespace oxlin::app {

class Prompter;

class PublishCommands final : public QObject {
    Q_OBJECT
public:
    struct Parts {
        session::NotebookSession& session;
        Prompter& prompter;
        std::function<tree::ItemHandle()> selection;
        // Writes the open topic to its file, so the export reads what the
        // user sees; false when it could not be written.
        std::function<bool()> saveOpenTopic;
        // The editor's font, for text that has none of its own.
        std::function<QFont()> pageFont;
        // The page setup of printing, for the PDF.
        std::function<QPageLayout()> pageLayout;
    };

    explicit PublishCommands(Parts parts, QObject* parent = nullptr);
    ~PublishCommands() override;

    void exportSite(publish::SiteFormat format);
    void exportPdf();

    bool exporting() const { return running_ != nullptr; }
    // Stops the export under way where it is, as Cancel does: the notebook's
    // files are about to go.
    void stopExport();

    // The item Export As writes: the selected folder, a selected topic's
    // folder, the top level when nothing is selected.
    tree::ItemHandle exportRoot() const;

Q_SIGNALS:
    // After an export ended and its message was shown.
    void exportFinished();

private:
    struct Running;

    // The name of what is exported: the notebook's, or the folder's label.
    QString exportTitle(tree::ItemHandle root) const;
    QString askTarget(const QString& caption, const QString& suffix);
    // Runs a started exporter in slices, with its progress and final message.
    template <typename Exporter>
    void runExport(std::shared_ptr<Exporter> exporter,
                   std::function<QString(bool cancelled, bool& failed)> finish);
    void runSlice();
    void endExport(bool cancelled);

    Parts parts_;
    std::unique_ptr<Running> running_;
    QTimer slices_;
};

} // namespace oxlin::app
