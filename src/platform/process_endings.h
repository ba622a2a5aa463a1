// Signals and a lost display end the program as a close request would.
#ifndef ZORVANEL_PLATFORM_PROCESS_ENDINGS_H_
#define ZORVANEL_PLATFORM_PROCESS_ENDINGS_H_

#include <functional>

namespace zorvanel {

// The desktop window's ways to end besides its close button. SDL turns
// SIGINT and SIGTERM into the close request; a closed terminal (SIGHUP)
// is made to do the same. A hangup the user chose to ignore (nohup) stays
// ignored.
void TreatHangupAsTerminate();

// For the headless driver, which has no SDL to catch signals: SIGTERM,
// SIGINT and SIGHUP are noted (reads are restarted, not cut) and
// TakeTerminationRequest() answers true once for each time one came.
void NoteTerminationSignals();
bool TakeTerminationRequest();

// When the connection to the X display breaks, nothing more can be shown or
// asked: `save` runs once and its result becomes the exit status. Does
// nothing unless SDL runs on X11.
void SaveWhenDisplayIsLost(std::function<int()> save);

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_PROCESS_ENDINGS_H_
