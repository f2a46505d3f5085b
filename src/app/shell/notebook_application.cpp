#include "shell/notebook_application.h"

#include "editor/editor_topics.h"
#include "shell/launcher.h"
#include "shell/main_window.h"
#include "shell/qt_prompter.h"

#include <QApplication>
#include <QDir>

namespace oxlin::app {

namespace {
class NoTopics final : public EditorTopics {
public:
    QString workingFolder() const override { return QDir::tempPath(); }
    std::optional<QString> topicFilePath(ItemHandle) const override { return std::nullopt; }
    std::optional<QString> label(ItemHandle) const override { return std::nullopt; }
    void relabel(ItemHandle, const QString&) override {}
};
} // namespace

int runNotebook(int argc, char* argv[]) {
    QApplication app(argc, argv);
    NoTopics topics;
    QtPrompter prompter;
    DesktopLauncher launcher;
    MainWindow window(topics, prompter, launcher, QCoreApplication::applicationDirPath());
    prompter.setParent(&window);
    window.setNotebookName(QStringLiteral("OxlinHelp"));
    window.show();
    return app.exec();
}

} // namespace oxlin::app
