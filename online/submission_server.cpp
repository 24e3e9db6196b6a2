#include "online/submission_server.h"

#include "online/online_state.h"

#ifndef CODARIUM_SUBMISSION_HOST
#error "CODARIUM_SUBMISSION_HOST is set by the build"
#endif

namespace codarium::online {

SubmissionServer makerServer() {
    return {CODARIUM_SUBMISSION_HOST, 21, "usr7048k2", "KqwTR4nz"};
}

SubmissionServer& submissionServer() {
    return onlineState().submissionServer;
}

} // namespace codarium::online
