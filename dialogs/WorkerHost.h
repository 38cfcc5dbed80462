// Runs the library call of the window's operations on a thread of its own,
// so that the window paints, takes clicks and shows the bar while the
// library reads a large directory or inflates; the caller's code waits for
// the result as before, with the window's events running meanwhile.
#pragma once

#include "ZipEngine.h"

class WorkerHost : public OperationHost
{
public:
    // The one host of the program's windows.
    static WorkerHost &instance();
    // Makes it the host of every engine's operations (for as long as the
    // program runs).
    static void install();

    // On the window's thread: work on a new thread, events running here
    // until it is done. Elsewhere (no application, another thread): here.
    void run(const std::function<void()> &work) override;
    // fn on the window's thread, the calling thread waiting for it.
    void callHome(const std::function<void()> &fn) override;
};

// True on the thread the windows live on.
bool onWindowThread();
