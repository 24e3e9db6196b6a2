#pragma once
// Worker threads by number. The GUI thread starts them and asks them to stop,
// but never waits for one that may itself be waiting for the GUI thread:
// stopping is cooperative, through a flag that every wait of the worker polls
// (network waits take it as their StopToken, message boxes as their cancel
// flag, so an open box of a stopped worker closes).
#include "runtime/tcp_connection.h"

#include <cstddef>
#include <functional>

namespace codarium::online {

// The work of a thread: its integer argument and its stop flag.
using ThreadProcedure = std::function<void(int argument, const StopToken& stop)>;

// Starts procedure(argument, stop) on a new thread and returns the thread's
// number, counted from 1, or 0 when no thread could be started. The handles
// of threads that have ended are released first.
int startThread(ThreadProcedure procedure, int argument);

// Sets the stop flag of thread `number` and returns at once. Unknown numbers
// and ended threads are ignored.
void killThread(int number);

// True until thread `number` has returned from its procedure.
bool threadRunning(int number);

// Runs `publish` unless `stop` is set, under the lock that killThread sets
// the flag under: whatever a worker publishes this way (a completion flag, a
// request to the main thread) never lands once it has been stopped.
// `publish` must not start or stop threads.
bool publishUnlessStopped(const StopToken& stop, const std::function<void()>& publish);

// The number of thread handles held (running threads, and ended ones not yet
// released).
std::size_t heldThreadCount();

// At exit: stops every thread and waits up to the limit for them to end. On
// the GUI thread its events are handled meanwhile, so that a worker waiting
// for the GUI thread can finish. Threads still running at the limit are left
// to the end of the process.
void releaseAllThreads(int limitMilliseconds = 5000);

} // namespace codarium::online
