#pragma once

#include <QObject>
#include <QThread>

namespace af::desktop {

// A worker that lives on a thread of its own, so that a device or a server
// that is slow to answer never holds up the window: `worker` moves to
// `thread`, is deleted when the thread ends, and the thread starts.
void start_worker(QThread& thread, QObject* worker);

// Ends the thread. One whose server never answered is given 3 s and then
// terminated: the window goes anyway.
void end_worker(QThread& thread);

}  // namespace af::desktop
