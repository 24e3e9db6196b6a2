// ftp_upload_bench PORT USER PASSWORD LOCAL REMOTE: logs in to the FTP server
// on 127.0.0.1, uploads one file with uploadFile and waits for its end, as
// the program's submission does. Exit code 0 when the upload succeeded.
#include "runtime/ftp_client.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
    using namespace codarium;
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s PORT USER PASSWORD LOCAL REMOTE\n", argv[0]);
        return 2;
    }
    const auto port = static_cast<std::uint16_t>(std::atoi(argv[1]));
    if (ftpConnect(1, "127.0.0.1", argv[2], argv[3], port) == 0) {
        std::fprintf(stderr, "login failed\n");
        return 1;
    }
    if (uploadFile(1, argv[4], argv[5]) != 1) {
        std::fprintf(stderr, "upload did not start\n");
        return 1;
    }
    std::int32_t state = transferState(1);
    while (state != TransferDone && state != TransferFailed) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        state = transferState(1);
    }
    ftpClose(1);
    return state == TransferDone ? 0 : 1;
}
