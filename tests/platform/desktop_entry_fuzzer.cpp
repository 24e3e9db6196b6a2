// Arbitrary bytes as a mimeapps.list or mimeinfo.cache and as a .desktop
// file. Besides not crashing: every desktop file ID found is a trimmed,
// non-empty piece of one value, and the arguments of an Exec value, quoted
// again by the same rules, read back as the same arguments.
#include "platform/desktop_entry.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace codarium::platform;

void checkIds(const std::vector<std::string>& ids) {
    for (const std::string& id : ids) {
        if (id.empty() || id.find_first_of(";\n") != std::string::npos || id.front() == ' ' ||
            id.front() == '\t' || id.back() == ' ' || id.back() == '\t') {
            std::abort();
        }
    }
}

std::string quoted(const std::string& argument) {
    std::string out = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

void checkArguments(std::string_view exec) {
    const std::vector<std::string> arguments = execArguments(exec);
    std::string again;
    for (const std::string& argument : arguments) {
        again += quoted(argument) + " ";
    }
    if (execArguments(again) != arguments) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkIds(associatedDesktopIds(bytes, "Default Applications", "text/x-purebasic"));
    checkIds(associatedDesktopIds(bytes, "MIME Cache", "text/x-purebasic"));
    // The first line names the group and the type, so that the fuzzer can
    // reach keys other than the fixed ones.
    const auto lineEnd = bytes.find('\n');
    if (lineEnd != std::string_view::npos) {
        const std::string_view first = bytes.substr(0, lineEnd);
        const auto space = first.find(' ');
        if (space != std::string_view::npos) {
            checkIds(associatedDesktopIds(bytes.substr(lineEnd + 1), first.substr(0, space),
                                          first.substr(space + 1)));
        }
    }
    checkArguments(desktopEntryExec(bytes));
    checkArguments(bytes);
    return 0;
}
