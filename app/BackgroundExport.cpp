// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BackgroundExport.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>

#include "peripherals/PlacedPictures.h"

namespace quirn {

Outcome ExportOffThread(const Scene& scene, const QString& path, const ExportOptions& options,
                        QWidget* parent) {
    // A drawing is painted by one thread at a time: the export reads its own.
    Scene own = scene;
    own.pictures = ReadPictures(own.params.ext.pictures, own.documentFolder).contents;

    std::atomic<std::int64_t> done{0}, total{1};
    std::atomic<bool> cancelled{false};
    Outcome outcome;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        outcome = ExportPicture(own, path, options, [&](std::int64_t d, std::int64_t t) {
            total = std::max<std::int64_t>(t, 1);
            done = d;
            return !cancelled;
        });
    }));

    QProgressDialog progress(
        QCoreApplication::translate("quirn::BackgroundExport", "Запись «%1»...")
            .arg(QFileInfo(path).fileName()),
        QCoreApplication::translate("quirn::BackgroundExport", "Отмена"), 0, 1000, parent);
    progress.setWindowTitle(QStringLiteral("Quirn"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, &progress, [&] {
        if (progress.wasCanceled()) cancelled = true;
        progress.setValue(int(done * 1000 / total));
    });
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    poll.start();
    loop.exec();
    worker->wait();
    return outcome;
}

}  // namespace quirn
