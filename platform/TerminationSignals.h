#pragma once
// SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) end the event loop
// instead of the process, so that the program ends as when its window is closed and
// cleans up after itself (its folder of working copies above all).
#include <functional>

namespace lx {

// Call once, with the application object made; later signals quit its event loops.
void quitOnTerminationSignals();
// True once such a signal came: a signal during start-up, before the main event loop runs,
// ends the program as soon as start-up is done. From then on the modal services show
// nothing and give their declining answer at once, and loops that ask again stop, so that
// no window or dialog opens while the program ends.
bool terminationRequested();
// What the program marks first when such a signal comes, before its event loops are told
// to end: a handler still running after its dialog was declined sees it at once.
void onTerminationRequest(std::function<void()> mark);

} // namespace lx
