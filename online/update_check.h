#pragma once
// The update check: is the server's release different from the installed
// files, and does the user want to update now. Runs on a worker thread and
// shows its own boxes; every wait polls the stop flag, and a stopped check
// shows nothing more.
#include "online/file_fingerprint.h"
#include "runtime/tcp_connection.h"

#include <string>

namespace codarium::online {

// What the check needs, handed over as values when it starts.
struct UpdateSource {
    std::string server;           // "Server": scheme, "://" and host, no trailing "/"
    std::string directory;        // "Verzeichnis"
    std::string programDirectory; // DataDir: Index.ini goes here, files are compared here
};

// Seconds a connect to the server may take before it counts as unreachable.
inline constexpr int ServerCheckSeconds = 5;
// Seconds the whole index download may take: an index is small, and a
// server that sends it a byte at a time would otherwise keep the check
// waiting for days.
inline constexpr int IndexDownloadSeconds = 60;

enum class UpdateCheckEnd {
    Failed,   // a step's error box was shown
    NoUpdate, // "Keine neue Version vorhanden." was shown
    Declined, // the user answered No
    Accepted, // the user answered Yes: the updater takes over
    Stopped,  // stopped from outside; nothing more was shown
};

// "Server" + "/aktualisierung/" + "Verzeichnis" + "/" + name, the last two
// percent-encoded; name is a release path with "/" between its parts.
std::string releaseUrl(const UpdateSource& source, std::string_view name);

// The check up to the user's answer: the connection and the server are
// there, the index is downloaded into the program directory, the size of
// what differs from it is summed, and the result is shown or asked about.
// The caller acts on the end.
UpdateCheckEnd checkForUpdate(const UpdateSource& source, FingerprintBuffer& buffer,
                              const StopToken& stop);

} // namespace codarium::online
