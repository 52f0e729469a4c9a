// SPDX-License-Identifier: GPL-3.0-or-later
// Drives modal dialogs from inside their own event loops: each time the active modal widget
// changes, the next step is run on it. Steps must not block: they queue their clicks.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>

namespace quirn::testing {

// Runs fn once control is back in the event loop.
inline void Later(std::function<void()> fn) {
    QTimer::singleShot(0, qApp, std::move(fn));
}

inline void ClickLater(QAbstractButton* button) {
    Later([b = QPointer<QAbstractButton>(button)] {
        if (b) b->click();
    });
}

class ModalDriver {
  public:
    using Step = std::function<void(QWidget*)>;

    // A modal dialog already open when the driver starts is the test's own, never a step's.
    ModalDriver() : own_(QApplication::activeModalWidget()) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    ModalDriver& then(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }

    // Closes a message box with OK, remembering its caption and text.
    Step AcceptMessage() {
        return [this](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box == nullptr) {
                unexpected_ = true;
                return;
            }
            captions_.push_back(box->windowTitle());
            messages_.push_back(box->text());
            ClickLater(box->button(QMessageBox::Ok));
        };
    }

    bool finished() const { return steps_.empty(); }
    bool sawUnexpected() const { return unexpected_; }
    const QStringList& messages() const { return messages_; }
    const QStringList& captions() const { return captions_; }

  private:
    void Poll() {
        QWidget* active = QApplication::activeModalWidget();
        if (active == nullptr || active == last_ || active == own_ || !active->isVisible()) return;
        last_ = active;
        if (steps_.empty()) {
            // Nothing more was expected: close it so the test does not hang.
            unexpected_ = true;
            Later([w = QPointer<QWidget>(active)] {
                if (w) w->close();
            });
            return;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step(active);
    }

    std::deque<Step> steps_;
    QTimer timer_;
    QPointer<QWidget> last_;
    QPointer<QWidget> own_;
    QStringList messages_;
    QStringList captions_;
    bool unexpected_ = false;
};

}  // namespace quirn::testing
