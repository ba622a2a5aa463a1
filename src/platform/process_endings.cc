// Signals and a lost display end the program as a close request would.
#include "platform/process_endings.h"

#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace zorvanel {
namespace {

using SignalHandler = void (*)(int);
SignalHandler g_terminate_handler = nullptr;

void OnHangup(int) { g_terminate_handler(SIGTERM); }

volatile sig_atomic_t g_termination_requested = 0;

void OnTerminationSignal(int) { g_termination_requested = 1; }

// Xlib's handler type, with the display left opaque.
using IoErrorHandler = int (*)(void* display);
using SetIoErrorHandler = IoErrorHandler (*)(IoErrorHandler);

std::function<int()>& DisplayLostSave() {
  static std::function<int()> save;
  return save;
}

// Xlib ends the process when this returns, so it ends it itself, after the
// save. Nothing here may touch the display.
int OnDisplayLost(void*) {
  static bool running = false;
  if (running) std::_Exit(1);
  running = true;
  std::fputs("zorvanel: lost the connection to the display\n", stderr);
  const int status = DisplayLostSave() ? DisplayLostSave()() : 1;
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace

void TreatHangupAsTerminate() {
  struct sigaction terminate = {};
  struct sigaction hangup = {};
  if (::sigaction(SIGTERM, nullptr, &terminate) != 0 ||
      ::sigaction(SIGHUP, nullptr, &hangup) != 0) {
    return;
  }
  if ((terminate.sa_flags & SA_SIGINFO) != 0 ||
      terminate.sa_handler == SIG_DFL || terminate.sa_handler == SIG_IGN ||
      hangup.sa_handler == SIG_IGN) {
    return;
  }
  g_terminate_handler = terminate.sa_handler;
  hangup = {};
  hangup.sa_handler = OnHangup;
  sigemptyset(&hangup.sa_mask);
  ::sigaction(SIGHUP, &hangup, nullptr);
}

void NoteTerminationSignals() {
  struct sigaction action = {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
    struct sigaction previous = {};
    // A signal ignored by whoever started us stays ignored.
    if (::sigaction(signal_number, nullptr, &previous) == 0 &&
        previous.sa_handler == SIG_IGN) {
      continue;
    }
    ::sigaction(signal_number, &action, nullptr);
  }
}

bool TakeTerminationRequest() {
  if (g_termination_requested == 0) return false;
  g_termination_requested = 0;
  return true;
}

void SaveWhenDisplayIsLost(std::function<int()> save) {
  // SDL loads Xlib itself; only a library already in the process is used.
  void* xlib = ::dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
  if (xlib == nullptr) return;
  const auto set_handler =
      reinterpret_cast<SetIoErrorHandler>(::dlsym(xlib, "XSetIOErrorHandler"));
  if (set_handler != nullptr) {
    DisplayLostSave() = std::move(save);
    set_handler(OnDisplayLost);
  }
  ::dlclose(xlib);
}

}  // namespace zorvanel
