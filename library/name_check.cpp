#include "library/name_check.h"

#include "platform/atomic_save.h"
#include "platform/code_page.h"

#include <array>

namespace codarium::library {
namespace {

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

bool endsWithIgnoringAsciiCase(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() &&
           equalsIgnoringAsciiCase(text.substr(text.size() - tail.size()), tail);
}

bool isReservedCharacter(char c) {
    constexpr std::string_view reserved = "/\\:*?\"<>|";
    return reserved.find(c) != std::string_view::npos;
}

// Windows reserves these names whatever follows the first dot, and ignores
// blanks before that dot.
bool isDeviceName(std::string_view name) {
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') {
        stem.remove_suffix(1);
    }
    static constexpr std::array<std::string_view, 4> plain = {"CON", "PRN", "AUX", "NUL"};
    for (const auto device : plain) {
        if (equalsIgnoringAsciiCase(stem, device)) {
            return true;
        }
    }
    if (stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9') {
        const auto prefix = stem.substr(0, 3);
        return equalsIgnoringAsciiCase(prefix, "COM") || equalsIgnoringAsciiCase(prefix, "LPT");
    }
    return false;
}

// The limit of one name on the file systems the library lives on (ext4,
// btrfs, xfs: 255 bytes; NTFS: 255 UTF-16 units, which never outnumber the
// UTF-8 bytes, so a name that fits here fits there).
constexpr std::size_t NameMax = 255;

// The longest name made under a category or title: a list or link file
// ("<name>.ini"; a source file's ".pb" is shorter) while its first save
// still writes it under the temporary name "<name>.ini.tmp-<pid>-<n>". The
// later rewrites of a list use "<name>.tmp-<pid>-<n>", which is shorter.
constexpr std::size_t LongestAddition = std::string_view(".ini").size() +
                                        platform::DefaultTemporaryEnding.size() +
                                        platform::TemporarySuffixMaxLength;

} // namespace

std::size_t longestNewName() {
    return NameMax - LongestAddition;
}

NameProblem newNameProblem(std::string_view name, NameKind kind) {
    if (const NameProblem problem = nameProblem(name, kind); problem != NameProblem::None) {
        return problem;
    }
    return platform::toUtf8(name).size() > longestNewName() ? NameProblem::TooLong
                                                            : NameProblem::None;
}

NameProblem nameProblem(std::string_view name, NameKind kind) {
    if (name.empty()) {
        return NameProblem::Empty;
    }
    if (name == "." || name == "..") {
        return NameProblem::DotName;
    }
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            return NameProblem::ControlCharacter;
        }
        if (isReservedCharacter(c)) {
            return NameProblem::ReservedCharacter;
        }
    }
    if (name.back() == '.' || name.back() == ' ') {
        return NameProblem::TrailingDotOrBlank;
    }
    if (isDeviceName(name)) {
        return NameProblem::DeviceName;
    }
    if (kind == NameKind::Category) {
        if (equalsIgnoringAsciiCase(name, "Kategorien")) {
            return NameProblem::CategoryListName;
        }
        if (endsWithIgnoringAsciiCase(name, ".ini") || endsWithIgnoringAsciiCase(name, ".tmp")) {
            return NameProblem::ListFileEnding;
        }
    }
    return NameProblem::None;
}

bool isSafeName(std::string_view name, NameKind kind) {
    return nameProblem(name, kind) == NameProblem::None;
}

bool isSafeCode(std::string_view category, std::string_view title) {
    return isSafeName(category, NameKind::Category) && isSafeName(title, NameKind::Title);
}

} // namespace codarium::library
