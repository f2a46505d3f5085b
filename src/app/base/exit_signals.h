#pragma once

#include <QObject>

class QSocketNotifier;

namespace oxlin::app {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the UI thread (a
// self-pipe written by the handler and read through a QSocketNotifier), so the
// exit sequence can run and nothing typed is lost when the desktop or a
// terminal ends the program. One instance per process.
//
// Made before the notebook is opened, so that a signal during the start
// never ends the process on the spot (the default action), which would leave
// the working folder and its copies behind; the request is held until
// listen() and reported then, once the notebook is open and an exit
// sequence can run on it.
class ExitSignals final : public QObject {
    Q_OBJECT
public:
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;

    // From now on a signal, and one that came before, is emitted as exitRequested.
    void listen();

Q_SIGNALS:
    void exitRequested(int signalNumber);

private:
    void readPipe();
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace oxlin::app
