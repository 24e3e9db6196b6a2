#pragma once
// What the online services keep between a window's events and their workers:
// the running update check's thread, the cancel request of an upload and the
// account submissions go to. One struct, owned by the online services.
#include "online/submission_server.h"
#include "online/submission_worker.h"

namespace codarium::online {

struct OnlineState {
    int updateThread = 0; // the update check's thread; main thread only
    UploadCancel uploadCancel;
    SubmissionServer submissionServer = makerServer();
};

OnlineState& onlineState();

} // namespace codarium::online
