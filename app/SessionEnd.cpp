// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SessionEnd.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>

#include "app/Application.h"

namespace quirn {
namespace {

// The write end of the self-pipe: a signal handler may do no more than write to it.
volatile std::sig_atomic_t signalPipe = -1;

struct sigaction Catch(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    struct sigaction previous {};
    ::sigaction(signal, &action, &previous);
    return previous;
}

}  // namespace

SessionEnd::SessionEnd(Application& app, QObject* parent) : QObject(parent), app_(app) {
    int fds[2] = {-1, -1};
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        readFd_ = fds[0];
        signalPipe = fds[1];
        notifier_ = new QSocketNotifier(readFd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] { readSignal(); });
        previousTerm_ = Catch(SIGTERM, &SessionEnd::catchSignal);
        previousHup_ = Catch(SIGHUP, &SessionEnd::catchSignal);
        previousInt_ = Catch(SIGINT, &SessionEnd::catchSignal);  // Ctrl+C in the terminal
    }
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager& manager) { commitData(manager); });
    qApp->installEventFilter(this);
}

SessionEnd::~SessionEnd() {
    qApp->removeEventFilter(this);
    if (readFd_ < 0) return;
    ::sigaction(SIGTERM, &previousTerm_, nullptr);
    ::sigaction(SIGHUP, &previousHup_, nullptr);
    ::sigaction(SIGINT, &previousInt_, nullptr);
    const int writeFd = signalPipe;
    signalPipe = -1;
    ::close(writeFd);
    ::close(readFd_);
}

void SessionEnd::catchSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    if (signalPipe >= 0) {
        // A full pipe already holds a request to end; losing this one changes nothing.
        [[maybe_unused]] const ssize_t ignored = ::write(signalPipe, &byte, 1);
    }
    errno = savedErrno;
}

void SessionEnd::readSignal() {
    unsigned char byte = 0;
    while (::read(readFd_, &byte, 1) == 1) received_ = byte;
    if (received_ != 0) EndRun();
}

void SessionEnd::EndRun() {
    // exit() rather than closing the frame: it also ends a dialog's event loop that may be
    // running, and it asks nothing. The caller of exec() then keeps the parameters in
    // Initial.qrn and takes the frame down; the unsaved work waits for the next run.
    if (!committed_) app_.KeepUnsavedWork();
    QCoreApplication::exit(0);
}

bool SessionEnd::CommitData(bool allowsInteraction) {
    if (allowsInteraction && !app_.SaveModified()) return false;
    if (!allowsInteraction) app_.KeepUnsavedWork();
    committed_ = true;
    return true;
}

void SessionEnd::commitData(QSessionManager& manager) {
    const bool interact = manager.allowsInteraction();
    const bool keepGoing = CommitData(interact);
    if (interact) manager.release();
    if (!keepGoing) manager.cancel();
}

bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
    // The session manager ends a program that has committed its data by a quit request, which
    // would close the frame and ask the save question a second time.
    if (committed_ && watched == qApp && event->type() == QEvent::Quit) {
        EndRun();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quirn
