// SPDX-License-Identifier: GPL-3.0-or-later
// Ending the program from outside. SIGTERM, SIGHUP and SIGINT (logout, shutdown, a closed terminal,
// Ctrl+C) end it as closing its window does, minus the questions: the event loop stops, the
// parameters are kept in Initial.qrn and the frame is taken down. When the desktop
// session asks to close and lets the program talk to the user, the save question comes first, and
// cancelling it cancels the logout.
#pragma once

#include <QObject>
#include <csignal>

class QSessionManager;
class QSocketNotifier;

namespace quirn {

class Application;

class SessionEnd : public QObject {
    Q_OBJECT
  public:
    // Catches the signals until destroyed; one instance at a time. A QApplication must exist.
    explicit SessionEnd(Application& app, QObject* parent = nullptr);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

    // The session manager's request to keep the data. Returns false when the user cancelled, so
    // the session must not end. Without interaction nothing can be asked and nothing is saved;
    // the parameters still reach Initial.qrn when the program ends.
    bool CommitData(bool allowsInteraction);

    // The signal that ended the run, or 0.
    int receivedSignal() const { return received_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static void catchSignal(int signal);
    void readSignal();
    void commitData(QSessionManager& manager);
    void EndRun();

    Application& app_;
    QSocketNotifier* notifier_ = nullptr;
    int readFd_ = -1;
    int received_ = 0;
    // The user has answered the save question for a session that is ending; the session's
    // final quit must not ask it again.
    bool committed_ = false;
    struct sigaction previousTerm_ {};
    struct sigaction previousHup_ {};
    struct sigaction previousInt_ {};
};

}  // namespace quirn
