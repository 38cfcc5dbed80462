#include "WorkerHost.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <exception>
#include <thread>

WorkerHost &WorkerHost::instance()
{
    static WorkerHost host;
    return host;
}

void WorkerHost::install()
{
    TZipEngine::setDefaultHost(&instance());
}

bool onWindowThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

void WorkerHost::run(const std::function<void()> &work)
{
    if (!onWindowThread()) {
        work();
        return;
    }
    std::atomic<bool> finished = false;
    std::exception_ptr error;
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            error = std::current_exception();
        }
        finished = true;
        // Wakes the loop below, which may be waiting for events.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
    });
    {
        struct Join
        {
            std::thread &thread;
            ~Join() { thread.join(); }
        } join { worker };
        // Not an event loop of its own: quitting the application must not end
        // the wait while the library still works.
        while (!finished)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    if (error)
        std::rethrow_exception(error);
}

void WorkerHost::callHome(const std::function<void()> &fn)
{
    if (onWindowThread() || !QCoreApplication::instance()) {
        fn();
        return;
    }
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&fn] {
            fn();
        },
        Qt::BlockingQueuedConnection);
}
