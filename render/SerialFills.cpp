// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/SerialFills.h"

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <exception>

namespace quirn {

void PaintWithoutParallelFills(const std::function<void()>& paint) {
    QThreadPool* pool = QThreadPool::globalInstance();
    if (pool == nullptr || pool->contains(QThread::currentThread())) {
        paint();
        return;
    }
    QSemaphore done;
    std::exception_ptr failure;
    pool->start([&] {
        try {
            paint();
        } catch (...) {
            failure = std::current_exception();
        }
        done.release();
    });
    done.acquire();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace quirn
