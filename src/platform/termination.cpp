#include "termination.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <csignal>
#include <pthread.h>
#include <thread>

namespace kodrix {

namespace {

sigset_t terminationSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    return set;
}

} // namespace

void blockTerminationSignals() {
    const sigset_t set = terminationSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void quitOnTerminationSignals() {
    static bool started = false;
    if (started) return;
    started = true;
    std::thread([] {
        const sigset_t set = terminationSet();
        int sig = 0;
        while (sigwait(&set, &sig) == 0) {
            if (QCoreApplication* app = QCoreApplication::instance())
                QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
        }
    }).detach();
}

} // namespace kodrix
