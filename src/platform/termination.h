#pragma once

namespace kodrix {

// Ends the program in order when the system asks it to stop (SIGTERM, SIGINT, SIGHUP): the
// event loop quits, windows close and the database is closed. The signals are kept away from
// every thread and taken by one waiting thread: delivered to a thread of the embedded
// database engine, a signal leaves the engine unable to detach, and the program hangs.

// Call first in main(), before any thread exists, so that every thread inherits the mask.
void blockTerminationSignals();
// Call once the application object exists.
void quitOnTerminationSignals();

} // namespace kodrix
