#pragma once

#include <QObject>

class QSocketNotifier;

namespace oxlin::app {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the UI thread (a
// self-pipe written by the handler and read through a QSocketNotifier), so the
// exit sequence can run and nothing typed is lost when the desktop or a
// terminal ends the program. One instance per process.
class ExitSignals final : public QObject {
    Q_OBJECT
public:
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;

Q_SIGNALS:
    void exitRequested(int signalNumber);

private:
    void readPipe();
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace oxlin::app
