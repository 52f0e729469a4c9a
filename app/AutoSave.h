// SPDX-License-Identifier: GPL-3.0-or-later
// Unsaved work kept for recovery: within a delay (30 s) of a change that leaves the document
// modified, a copy of the record goes to the recovery folder; it goes away when the document is
// saved, replaced or closed without changes.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>

#include "model/Outcome.h"

namespace quirn {

class Document;
class ScaleSession;

class AutoSave : public QObject {
    Q_OBJECT
  public:
    AutoSave(ScaleSession& session, Document& doc, QString folder, QObject* parent = nullptr);
    // The copy is not the user's: a run that ends as asked leaves none.
    ~AutoSave() override;

    void setDelay(std::chrono::milliseconds delay) { timer_.setInterval(delay); }
    // At once rather than after the delay, as a restored copy is.
    void WriteNow();
    // The run is ended from outside with work unsaved: the copy is written now and left for the
    // next run to offer.
    void LeaveForNextRun();

  signals:
    void written(const QString& copy);
    void failed(const Outcome& outcome);

  private:
    void Follow();
    void Remove();

    ScaleSession& session_;
    Document& doc_;
    QString folder_;
    QTimer timer_;
    bool kept_ = false;  // whether a copy of this process is in the folder
};

}  // namespace quirn
