#pragma once
// The completion flags the worker threads set and the event loop acts on
// after its next event (it closes the window concerned and resets the flag).
#include <atomic>

namespace codarium::online {

struct WorkerFlags {
    std::atomic<int> UploadFinished{0};
    std::atomic<int> SubmissionFinished{0};
    std::atomic<int> UpdateCheckFinished{0};
};

WorkerFlags& workerFlags();

// Every flag back to 0 (tests run several start-ups in one process).
void resetWorkerFlags();

} // namespace codarium::online
