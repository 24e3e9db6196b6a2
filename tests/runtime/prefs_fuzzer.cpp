// Arbitrary bytes as a preferences file: open, read, write, close. Besides not
// crashing, a file once written in the program's own format must parse back
// to exactly the same bytes.
#include "runtime/prefs_entries.h"
#include "runtime/prefs_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

const std::string& scratchFile() {
    // In memory when possible: every close flushes the file to its disk,
    // which on a real disk would dominate each run.
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string folder = tmp && *tmp ? tmp : "/tmp";
        if (::access("/dev/shm", W_OK) == 0) {
            folder = "/dev/shm";
        }
        return folder + "/prefs_fuzzer-" + std::to_string(::getpid()) + ".ini";
    }();
    return path;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A value as a caller's text field gives it: one line, no leading blanks.
std::string valueFrom(std::string_view data) {
    std::string v(data.substr(0, 24));
    for (char& c : v) {
        if (c == '\r' || c == '\n') {
            c = '_';
        }
    }
    const auto first = v.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : v.substr(first);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string& path = scratchFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const char* groups[] = {"", "Einstellungen", "A", "\xE4"};
    const char* keys[] = {"k", "Server", "PBPfad", ""};
    const unsigned pick = size > 0 ? data[0] : 0;
    {
        codarium::PrefsFile prefs;
        prefs.openFile(path);
        prefs.selectGroup(groups[pick % 4]);
        (void)prefs.readString(keys[(pick >> 2) % 4], "d");
        (void)prefs.readInteger(keys[(pick >> 4) % 4], 7);
        if (pick & 0x40) {
            prefs.selectGroup(groups[(pick >> 3) % 4]);
        }
        prefs.writeString(keys[(pick >> 1) % 4], valueFrom(bytes.substr(size / 2)));
        prefs.writeInteger("n", static_cast<std::int32_t>(size));
        prefs.close();
    }
    const std::string written = slurp(path);
    const auto parsed = codarium::prefs::parsePrefsText(written);
    // One known exception: an 8-bit file whose first text starts with the
    // bytes of the UTF-8 mark reads back as UTF-8.
    const bool markFromText = parsed.utf8 && written.rfind("\xEF\xBB\xBF\r\n", 0) != 0;
    if (!markFromText && codarium::prefs::formatPrefsText(parsed) != written) {
        std::abort();
    }
    std::remove(path.c_str());
    return 0;
}
