#pragma once

#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/editor/editor_host.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "core/store/compressed_file.h"
#include "core/tree/topic_files.h"

#include <QDir>
#include <QFile>
#include <QSize>
#include <QTemporaryDir>

#include <memory>

// The application as the program puts it together, over a temporary data
// folder, with a scripted prompter and a recording launcher. Tests fill the
// notebook it opens through the tree and the helpers here.
struct RunningApp {
    QTemporaryDir dir;
    oxlin::app::ScriptedPrompter prompter;
    oxlin::app::RecordingLauncher launcher;
    std::unique_ptr<oxlin::app::NotebookController> controller;
    oxlin::app::MainWindow* window = nullptr; // the controller's

    // Safety writes come quickly here, so tests that wait for one stay short.
    static constexpr oxlin::app::SafetyDelays kQuickSafety{100, 300};

    // With a `clock` (borrowed, outliving the app), safety writes fall due
    // only as the test moves it.
    explicit RunningApp(QSize size = {800, 500}, oxlin::app::SaverClock* clock = nullptr)
        : size_(size), clock_(clock) {
        start();
    }

    void start() {
        oxlin::app::SafetyDelays delays = kQuickSafety;
        delays.clock = clock_;
        controller = std::make_unique<oxlin::app::NotebookController>(dataFolder(), prompter,
                                                                      launcher, dir.path(), delays);
        window = &controller->window();
        controller->openNotebook();
        window->resize(size_);
        window->show();
    }
    // The exit sequence without ending the event loop (File > Exit would also
    // quit the application, and no later wait of the test would run), then a
    // new start over the same data folder.
    void restart() {
        controller->exitSequence();
        window = nullptr;
        controller.reset();
        start();
    }

    QString dataFolder() const { return QDir(dir.path()).filePath("OxlinData"); }
    oxlin::session::NotebookSession& session() { return controller->session(); }
    oxlin::tree::TopicTree& tree() { return session().tree(); }
    oxlin::app::EditorHost& editor() { return window->editorHost(); }

    oxlin::tree::ItemHandle folder(oxlin::tree::ItemHandle parent, const QString& label) {
        return tree().insertFolder(parent, oxlin::tree::InsertPosition::last(), label);
    }
    // A topic at the end of `parent`, with its topic file holding `content`.
    oxlin::tree::ItemHandle topic(oxlin::tree::ItemHandle parent, const QString& label,
                                  const QByteArray& content = {}) {
        const qint32 id = session().fileIds().allocate();
        const oxlin::tree::ItemHandle item =
            tree().insertItem(parent, oxlin::tree::InsertPosition::last(), label,
                              oxlin::tree::kTextImage, oxlin::tree::TopicRecord{id, 0});
        QByteArray compressed;
        (void)oxlin::store::compressBuffer(content, compressed);
        QFile file(oxlin::tree::topicFilePath(session().paths().workingFolder, id));
        if (file.open(QIODevice::WriteOnly))
            file.write(compressed);
        return item;
    }

private:
    QSize size_;
    oxlin::app::SaverClock* clock_;
};
