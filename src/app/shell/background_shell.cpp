#include "app/shell/background_shell.h"

#include "app/base/action_registry.h"
#include "app/base/command_ids.h"
#include "app/base/prompter.h"
#include "app/desktop/drop_window.h"
#include "app/desktop/global_hotkey.h"
#include "app/desktop/tray_icon.h"
#include "app/desktop/window_system.h"
#include "app/dialogs/shortcut_dialog.h"
#include "app/editor/editor_host.h"
#include "app/editor/link_commands.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "app/tree/transfer_commands.h"
#include "app/tree/tree_controller.h"
#include "core/store/atomic_file.h"
#include "core/store/compressed_file.h"
#include "core/tree/topic_files.h"
#include "core/tree/topic_history.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <QWindow>

namespace oxlin::app {

BackgroundShell::BackgroundShell(NotebookController& controller, Prompter& prompter,
                                 bool trayAvailable, QObject* parent)
    : QObject(parent), controller_(controller), prompter_(prompter) {
    MainWindow& window = controller_.window();
    tray_ = std::make_unique<TrayIcon>(
        trayAvailable, [&window](int id) { window.dispatch(quint32(id)); });
    connect(tray_.get(), &TrayIcon::doubleClicked, this, &BackgroundShell::bringBack);
    setHotkey(GlobalHotkey::forPlatform());

    // Hidden with no tray would leave no way back: minimise instead, and
    // let the close box ask whether to exit.
    window.setWithoutTray(!trayAvailable);
    connect(&window, &MainWindow::hidden, this, [this] {
        if (hiddenNoteShown_ || !tray_->isAvailable())
            return;
        hiddenNoteShown_ = true;
        tray_->showNote(tr("Oxlin"), wayBackNote());
    });
    installCommands();
    syncOnTopChecks();
    if (!windowsCanStayOnTop()) {
        for (QAction* onTop : {window.actions().action(cmd::AlwaysOnTop), tray_->onTopAction()}) {
            onTop->setEnabled(false);
            onTop->setToolTip(onTopRefusal());
        }
    }
}

BackgroundShell::~BackgroundShell() {
    delete drop_.data();
}

QString BackgroundShell::wayBackNote() const {
    const bool hotkey = hotkey_ && hotkey_->isRegistered();
    if (tray_->clickShows())
        return hotkey ? tr("Oxlin is still running. Press Ctrl+Shift+A or click this icon to "
                           "bring it back.")
                      : tr("Oxlin is still running. Click this icon to bring it back.");
    return hotkey ? tr("Oxlin is still running. Press Ctrl+Shift+A or double-click this icon to "
                       "bring it back.")
                  : tr("Oxlin is still running. Double-click this icon to bring it back.");
}

void BackgroundShell::installCommands() {
    MainWindow& window = controller_.window();
    CommandRouter& router = window.router();
    router.setTrayHandler([this, &window](int id) {
        switch (id) {
        case cmd::TrayShowHide:
            if (window.isVisible() && !window.isMinimized())
                window.hideAndSave();
            else
                bringBack();
            return;
        case cmd::TrayExit:
            // The normal exit: everything is saved and packed.
            window.requestExit();
            return;
        default: return;
        }
    });
    router.setMenuHandler(cmd::AlwaysOnTop, [this] { toggleOnTop(); });
    router.setMenuHandler(cmd::DropWindow, [this] { toggleDropWindow(); });
    router.setMenuHandler(cmd::KeyShortcuts, [&window] {
        // Modal, but not a nested loop: the exit sequence may still close it.
        auto* dialog = new ShortcutDialog(&window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setModal(true);
        dialog->show();
    });
}

void BackgroundShell::setHotkey(std::unique_ptr<GlobalHotkey> hotkey) {
    hotkey_ = std::move(hotkey);
    if (!hotkey_)
        return;
    connect(hotkey_.get(), &GlobalHotkey::activated, this, &BackgroundShell::bringBack);
    // A late refusal arrives from the event loop, while the user already works.
    connect(hotkey_.get(), &GlobalHotkey::failed, this, &BackgroundShell::reportHotkeyFailure);
}

void BackgroundShell::registerHotkey() {
    if (hotkey_ && hotkey_->registerKey() == GlobalHotkey::Result::Failed)
        reportHotkeyFailure();
}

void BackgroundShell::reportHotkeyFailure() {
    prompter_.message(tr(kHotkeyFailed), tr(kHotkeyFailedCaption), PromptIcon::Warning);
}

bool BackgroundShell::isOnTop() const {
    return controller_.window().windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void BackgroundShell::toggleOnTop() {
    MainWindow& window = controller_.window();
    if (const QString refusal = onTopRefusal(); !refusal.isEmpty()) {
        window.showStatusNote(refusal); // the command is greyed; its key still says why
        return;
    }
    const bool wanted = !isOnTop();
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, wanted);
    if (QWindow* handle = window.windowHandle()) {
        // QWidget::setWindowFlags would re-create the window (hidden, moved,
        // without focus); the platform window takes the new band in place.
        window.overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        window.setWindowFlags(flags);
    }
    syncOnTopChecks();
}

void BackgroundShell::syncOnTopChecks() {
    const bool on = isOnTop();
    controller_.window().actions().setChecked(cmd::AlwaysOnTop, on);
    tray_->setOnTopChecked(on);
}

DropWindow* BackgroundShell::dropWindow() const { return drop_.data(); }

void BackgroundShell::toggleDropWindow() {
    ActionRegistry& actions = controller_.window().actions();
    if (drop_ && drop_->isVisible()) {
        delete drop_.data();
        actions.setChecked(cmd::DropWindow, false);
        return;
    }
    delete drop_.data();
    EditorHost& editor = controller_.window().editorHost();
    drop_ = new DropWindow([&editor]() -> std::optional<QString> {
        if (!editor.isOpen() || editor.currentTopic() == 0)
            return std::nullopt;
        return QFileInfo(editor.workingCopyPath()).fileName();
    });
    connect(drop_, &DropWindow::textDropped, this, &BackgroundShell::capture);
    // After the drag has ended: an import may ask or tell something.
    connect(drop_, &DropWindow::filesDropped, &controller_.transfer(),
            &TransferCommands::importPaths, Qt::QueuedConnection);
    connect(drop_, &DropWindow::showMainWindowRequested, this, &BackgroundShell::bringBack);
    connect(drop_, &DropWindow::trayMenuRequested, tray_.get(), &TrayIcon::popUpMenu);
    drop_->keepClearOf(tray_->iconGeometry());
    drop_->show();
    if (!windowsCanBePlaced() && !dropPlacementNoted_) {
        dropPlacementNoted_ = true;
        controller_.window().showStatusNote(
            tr("The drop window cannot go to its corner here: under Wayland the desktop decides "
               "where windows go."));
    }
    // A tray just made shows its icon a moment later.
    QTimer::singleShot(1500, drop_, [this] {
        if (drop_)
            drop_->keepClearOf(tray_->iconGeometry());
    });
    actions.setChecked(cmd::DropWindow, true);
}

void BackgroundShell::bringBack() {
    MainWindow& window = controller_.window();
    window.show();
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
    if (QWidget* edit = window.editorHost().editor(); edit->isEnabled())
        edit->setFocus(Qt::OtherFocusReason);
}

bool BackgroundShell::capture(drop::Zone zone, const QString& text) {
    switch (zone) {
    case drop::Zone::AppendToTopic: return controller_.links().appendCapturedText(text);
    case drop::Zone::NewTopic: return captureAsTopic(text);
    case drop::Zone::None: break;
    }
    return false;
}

bool BackgroundShell::captureAsTopic(const QString& text) {
    session::NotebookSession& session = controller_.session();
    // Straight from memory into the topic file: no temporary file that
    // another user's link could redirect.
    const QByteArray bytes = drop::topicBytes(text);
    if (bytes.size() > kMaxCapturedBytes) {
        const QString label =
            tree::defaultItemName(session.tree(), tree::kTopLevel, QStringLiteral("NewTopic"));
        prompter_.message(tr("File(%1) is larger than 10M bytes.\r\nWe don't suggest to import "
                             "such a big file.")
                              .arg(label),
                          tr("Oxlin"), PromptIcon::Warning);
        return false;
    }
    const tree::ItemHandle item = controller_.treeController().operations().newTopLevelTopic();
    const tree::TreeItem* created = session.tree().find(item);
    if (!created)
        return false;
    QByteArray compressed;
    if (!store::compressBuffer(bytes, compressed).ok() ||
        !store::writeFileAtomically(
             tree::topicFilePath(session.paths().workingFolder, created->record->fileId),
             compressed)
             .ok()) {
        // An empty topic standing for text that was not kept would mislead.
        session.tree().removeItem(item);
        return false;
    }
    controller_.openTopic(item);
    return true;
}

} // namespace oxlin::app
