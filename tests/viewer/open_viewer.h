#pragma once

// The viewer as a test drives it in-process: what Vistelo puts together,
// over a package, without the program around it.

#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/editor/editor_host.h"
#include "app/search/search_presenter.h"
#include "viewer/viewer_controller.h"
#include "viewer/viewer_folder.h"
#include "viewer/viewer_window.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

namespace oxlin::viewer {

// The viewer as the program puts it together, over its own folder in a
// temporary folder, with a scripted prompter and a recording launcher.
struct OpenViewer {
    QTemporaryDir temp;
    ViewerFolder folder{temp.path()};
    app::ScriptedPrompter prompter;
    app::RecordingLauncher launcher;
    std::unique_ptr<ViewerController> controller;
    bool opened = false;

    explicit OpenViewer(const QString& package) {
        controller = std::make_unique<ViewerController>(folder.path(), prompter, launcher);
        QSignalSpy indexed(&controller->search(), &app::SearchPresenter::rebuildFinished);
        opened = controller->open(package);
        controller->window().show();
        if (opened)
            indexed.wait(5000);
    }
    ViewerWindow& window() { return controller->window(); }
    app::EditorHost& editor() { return window().editorHost(); }
    tree::TopicTree& tree() { return controller->session().tree(); }
    tree::ItemHandle item(const QString& path) { return tree().findByPath(path); }
    QString openLabel() { return controller->label(editor().currentTopic()).value_or(QString()); }
};
} // namespace oxlin::viewer
