#pragma once
// Named scratch files removed when the process is ended by SIGINT, SIGTERM or SIGHUP, so an
// interrupted run leaves nothing behind. The handler is installed with the first name, and only
// for a signal that is neither ignored nor handled already; it removes the names it holds and
// ends the process by the signal as before.

namespace calvora {

// path must stay valid (and unchanged) until ForgetOnInterrupt(path).
void RemoveOnInterrupt(const char* path);
void ForgetOnInterrupt(const char* path);

}  // namespace calvora
