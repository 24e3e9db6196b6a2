#include "online/worker_flags.h"

namespace codarium::online {

WorkerFlags& workerFlags() {
    static WorkerFlags flags;
    return flags;
}

void resetWorkerFlags() {
    WorkerFlags& flags = workerFlags();
    flags.UploadFinished = 0;
    flags.SubmissionFinished = 0;
    flags.UpdateCheckFinished = 0;
}

} // namespace codarium::online
