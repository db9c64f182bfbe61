#include "shells/desktop/worker_thread.h"

namespace af::desktop {

void start_worker(QThread& thread, QObject* worker) {
    worker->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    thread.start();
}

void end_worker(QThread& thread) {
    thread.quit();
    if (thread.wait(3000)) return;
    // A thread still held by its server is ended; the QThread may only go once it has.
    thread.terminate();
    thread.wait();
}

}  // namespace af::desktop
