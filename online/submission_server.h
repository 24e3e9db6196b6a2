#pragma once
// The FTP account submissions go to.
#include <cstdint>
#include <string>

namespace codarium::online {

struct SubmissionServer {
    std::string host; // the maker's FTP host, fixed when the program is built
    std::uint16_t port = 21;
    std::string user;
    std::string password;
};

// The maker's account as built into the program.
SubmissionServer makerServer();

// The account the next submission uses: the maker's unless a test has aimed
// it elsewhere. Nothing in the program changes it, and it is never taken
// from the environment.
SubmissionServer& submissionServer();

} // namespace codarium::online
