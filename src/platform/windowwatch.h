#pragma once
// Tells when a window of the program was destroyed by something else than the program
// (another program destroyed it through the window system), so that the program does not
// go on running with no window at all.

#include <QtGlobal>
#include <functional>

namespace qm {

// onDestroyed receives the window system's id of each window destroyed. It also hears of
// windows the program destroyed itself; the caller tells them apart. Does nothing on a
// window system that does not report such events.
void watchForDestroyedWindows(std::function<void(quintptr windowId)> onDestroyed);

}  // namespace qm
