// Where OPEN(window, …) puts a window: the corner and centre placements on
// the screen's free area, and left, top, width and height (absolute or
// relative to the current values) clamped to the screen.
#pragma once

#include <QRect>

#include "tasks/task_windows.h"

namespace tarvix {

// The window's new frame for a placement or Place command; `frame` is its
// current frame, `screen` the screen's area without panels. Other actions
// leave the frame as it is.
QRect PlacedWindowFrame(const WindowCommand& command, const QRect& frame, const QRect& screen);

}  // namespace tarvix
