// SPDX-License-Identifier: GPL-3.0-or-later
// Painting a raster canvas on one thread.
//
// The raster engine hands every batch of a hundred spans or more to the global thread pool and
// waits for it. A stripe crossing a tall canvas is a span per row, and thousands of them (ticks
// kilometres long) cost seconds of handing over and waiting, twenty times the filling itself.
// The engine fills on the calling thread when that thread is one of the pool's own.
#pragma once

#include <functional>

namespace quirn {

// Runs paint on a thread of the global pool and waits for it; runs it in place when already on
// one. An exception paint throws is thrown again here.
void PaintWithoutParallelFills(const std::function<void()>& paint);

}  // namespace quirn
