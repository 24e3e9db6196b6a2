#include "online/update_state.h"

#include "platform/atomic_save.h"
#include "platform/file_system.h"
#include "platform/paths.h"

#include <charconv>
#include <string>

namespace codarium::online {
namespace {

std::string statePath(std::string_view programDirectory) {
    return platform::joinPath(programDirectory, UpdateStateFileName);
}

} // namespace

std::int64_t lastInstalledTimestamp(std::string_view programDirectory) {
    std::string text;
    if (!platform::readWholeFile(statePath(programDirectory), text)) {
        return 0;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    static_cast<void>(end);
    return error == std::errc() && value > 0 ? value : 0;
}

bool recordInstalledTimestamp(std::string_view programDirectory, std::int64_t timestamp) {
    if (timestamp <= lastInstalledTimestamp(programDirectory)) {
        return true;
    }
    return platform::saveFile(statePath(programDirectory), std::to_string(timestamp) + "\r\n",
                              platform::ReplaceMode::ReplaceName)
        .ok();
}

} // namespace codarium::online
