// SPDX-License-Identifier: GPL-3.0-or-later
// Files that another program changes under the open document, looked at whenever the window
// becomes active. The document's own file, changed, is read again or the user's version kept,
// as the user says; deleted, it is told once and the document kept for Save to write again. The
// template and the pictures the record names are simply read again.
#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <map>

namespace quirn {

class ScaleSession;
class UserPrompts;

class DiskWatch : public QObject {
    Q_OBJECT
  public:
    // window: whose activation is watched.
    DiskWatch(QWidget& window, ScaleSession& session, UserPrompts& prompts,
              QObject* parent = nullptr);

    // What changed on disk since the last look, acted on now.
    void Check();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Stamp {
        QDateTime modified;
        qint64 size = -1;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const QString& path);
    // The files the record names now, as they stand.
    void Follow();
    void CheckDocument();

    QWidget& window_;
    ScaleSession& session_;
    UserPrompts& prompts_;
    QFileSystemWatcher watcher_;
    std::map<QString, Stamp> files_;  // the template and pictures, as last read
    bool toldMissing_ = false;
    bool checking_ = false;
};

}  // namespace quirn
