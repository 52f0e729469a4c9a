// SPDX-License-Identifier: GPL-3.0-or-later
// Copies of unsaved work kept for recovery in the user's state folder: one per running program,
// the record as a document file beside a note of the file it belongs to, when it was made and
// by which process. A copy whose process is gone was left by a crash, a kill or a power cut.
#pragma once

#include <QDateTime>
#include <QString>
#include <string>
#include <vector>

#include "model/Outcome.h"

namespace quirn {

struct RecoveryCopy {
    QString record;    // the copy, a document file
    QString note;      // what it belongs to
    QString document;  // the file the copy was made of; empty when it has none
    QDateTime made;
    qint64 process = 0;
};

// $XDG_STATE_HOME/quirn/recovery, by default ~/.local/state/quirn/recovery.
QString RecoveryFolder();

// The copy of this process in folder: the record's text, then its note, each written whole or
// not at all.
Outcome WriteRecoveryCopy(const QString& folder, const std::string& recordText,
                          const QString& document, const QDateTime& made);
// This process's copy in folder, as WriteRecoveryCopy names it.
RecoveryCopy OwnRecoveryCopy(const QString& folder);
void RemoveRecoveryCopy(const RecoveryCopy& copy);
// The copies in folder whose process is gone, the newest first.
std::vector<RecoveryCopy> LeftRecoveryCopies(const QString& folder);

}  // namespace quirn
