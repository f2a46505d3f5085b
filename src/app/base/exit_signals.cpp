#include "app/base/exit_signals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace oxlin::app {

namespace {

int pipeFds[2] = {-1, -1};

extern "C" void onExitSignal(int signalNumber) {
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    if (pipeFds[1] >= 0) {
        [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], &byte, 1);
    }
}

const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

ExitSignals::ExitSignals(QObject* parent) : QObject(parent) {
    if (::pipe(pipeFds) != 0)
        return;
    for (int fd : pipeFds) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    notifier_->setEnabled(false); // the byte waits in the pipe until listen()
    connect(notifier_, &QSocketNotifier::activated, this, &ExitSignals::readPipe);

    struct sigaction action {};
    action.sa_handler = onExitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : kSignals)
        ::sigaction(sig, &action, nullptr);
}

ExitSignals::~ExitSignals() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int sig : kSignals)
        ::sigaction(sig, &action, nullptr);
    for (int& fd : pipeFds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void ExitSignals::listen() {
    if (notifier_)
        notifier_->setEnabled(true);
}

void ExitSignals::readPipe() {
    unsigned char byte = 0;
    int last = 0;
    while (::read(pipeFds[0], &byte, 1) == 1)
        last = byte;
    if (last != 0)
        Q_EMIT exitRequested(last);
}

} // namespace oxlin::app
