// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AutoSave.h"

#include "app/RecoveryCopies.h"
#include "editing/DocumentCommands.h"
#include "editing/EditedRecord.h"
#include "editing/ScaleSession.h"
#include "model/ParameterText.h"

namespace quirn {

AutoSave::AutoSave(ScaleSession& session, Document& doc, QString folder, QObject* parent)
    : QObject(parent), session_(session), doc_(doc), folder_(std::move(folder)) {
    timer_.setSingleShot(true);
    timer_.setInterval(std::chrono::seconds(30));
    connect(&timer_, &QTimer::timeout, this, [this] { WriteNow(); });
    connect(&session_.record(), &EditedRecord::changed, this, [this] { Follow(); });
    connect(&session_.files(), &DocumentCommands::modifiedChanged, this, [this] { Follow(); });
}

AutoSave::~AutoSave() {
    Remove();
}

void AutoSave::Follow() {
    if (!doc_.isModified()) {
        timer_.stop();
        Remove();
        return;
    }
    // The first change since the last copy sets the time; later ones ride along with it.
    if (!timer_.isActive()) timer_.start();
}

void AutoSave::WriteNow() {
    timer_.stop();
    if (!doc_.isModified()) return;
    const Outcome kept =
        WriteRecoveryCopy(folder_, WriteParameterText(session_.record().params()),
                          QString::fromStdString(doc_.filePath()), QDateTime::currentDateTime());
    if (!kept.ok()) {
        emit failed(kept);
        return;
    }
    kept_ = true;
    emit written(OwnRecoveryCopy(folder_).record);
}

void AutoSave::LeaveForNextRun() {
    WriteNow();
    kept_ = false;
}

void AutoSave::Remove() {
    if (!kept_) return;
    RemoveRecoveryCopy(OwnRecoveryCopy(folder_));
    kept_ = false;
}

}  // namespace quirn
