// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DiskWatch.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

#include "editing/DocumentCommands.h"
#include "editing/PlateFiles.h"
#include "editing/ScaleSession.h"
#include "model/TextCodec.h"
#include "view/dialogs/UserPrompts.h"

namespace quirn {

DiskWatch::DiskWatch(QWidget& window, ScaleSession& session, UserPrompts& prompts, QObject* parent)
    : QObject(parent), window_(window), session_(session), prompts_(prompts) {
    window_.installEventFilter(this);
    // Told while the window is active, the change is looked at at once; otherwise when the
    // user comes back to it.
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        if (window_.isActiveWindow()) QTimer::singleShot(0, this, &DiskWatch::Check);
    });
    connect(&session_, &ScaleSession::changed, this, [this] { Follow(); });
    connect(&session_.files(), &DocumentCommands::titleChanged, this, [this] {
        toldMissing_ = false;
        Follow();
    });
}

DiskWatch::Stamp DiskWatch::StampOf(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? Stamp{info.lastModified(), info.size()} : Stamp{};
}

void DiskWatch::Follow() {
    QStringList named;
    const Scene& scene = session_.scene();
    if (const auto& t = scene.params.ext.templateRecord)
        named << session_.plateFiles().TemplatePath(t->file);
    const QDir folder(scene.documentFolder.empty() ? QDir::currentPath()
                                                   : QString::fromStdString(scene.documentFolder));
    for (const auto& [number, picture] : scene.params.ext.pictures)
        named << QDir::cleanPath(
            folder.absoluteFilePath(QString::fromStdString(Cp1251ToUtf8(picture.file))));
    std::map<QString, Stamp> files;
    for (const QString& path : named) {
        const auto known = files_.find(path);
        files[path] = known != files_.end() ? known->second : StampOf(path);
    }
    files_ = std::move(files);
    const std::string& document = session_.document().filePath();
    if (!document.empty()) named << QString::fromStdString(document);
    // An editor that saves by renaming leaves the watch on the file it replaced: watched anew
    // whenever the files there differ from those watched.
    QStringList existing;
    for (const QString& path : named)
        if (QFileInfo::exists(path)) existing << path;
    if (existing == watcher_.files()) return;
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    if (!existing.isEmpty()) watcher_.addPaths(existing);
}

bool DiskWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::ActivationChange &&
        window_.isActiveWindow())
        QTimer::singleShot(0, this, &DiskWatch::Check);
    return QObject::eventFilter(watched, event);
}

void DiskWatch::Check() {
    // A question asked here takes the focus away and back: one look at a time.
    if (checking_) return;
    checking_ = true;
    bool reread = false;
    for (auto& [path, stamp] : files_) {
        const Stamp now = StampOf(path);
        if (now == stamp) continue;
        stamp = now;
        reread = true;
    }
    if (reread) session_.RereadFiles();
    CheckDocument();
    Follow();
    checking_ = false;
}

void DiskWatch::CheckDocument() {
    Document& doc = session_.document();
    const QString name = QFileInfo(QString::fromStdString(doc.filePath())).fileName();
    switch (doc.CheckDisk()) {
        case DiskState::Same:
            toldMissing_ = false;
            return;
        case DiskState::Missing:
            if (toldMissing_) return;
            toldMissing_ = true;
            prompts_.Inform(tr("Файл «%1» удалён или переименован другой программой. Документ "
                               "остаётся открытым: «Сохранить» запишет его снова.")
                                .arg(name));
            return;
        case DiskState::Changed:
            toldMissing_ = false;
            if (prompts_.AskReloadChangedFile(name))
                session_.files().Reload();
            else
                session_.files().KeepOwnVersion();
            return;
    }
}

}  // namespace quirn
