#include "runtime/prefs_file.h"

#include "platform/atomic_save.h"
#include "platform/native_file.h"
#include "platform/paths.h"
#include "runtime/byte_utf8.h"
#include "runtime/prefs_entries.h"

#include <charconv>
#include <limits>
#include <optional>
#include <utility>

namespace codarium {

using prefs::Entry;
using prefs::EntryKind;

namespace {

constexpr std::size_t kTopSection = std::numeric_limits<std::size_t>::max();

std::string_view trimmedBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

// The whole of a regular file, or nothing when it is not one, cannot be read
// or is too large to be a preferences file.
std::optional<std::string> readWhole(platform::NativeFile fd) {
    const auto info = platform::nativeFileInfo(fd);
    if (!info || !info->regular || info->size < 0 ||
        static_cast<std::uint64_t>(info->size) > prefs::kMaxPoolSize) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(info->size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::int64_t n = platform::readSome(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

// Opens without blocking on a FIFO or device; the caller checks the kind.
platform::NativeOpen openExisting(const std::string& native, platform::OpenFor access) {
    return platform::openNativeFile(native, access, platform::OpenWait::NoBlock);
}

} // namespace

struct PrefsFile::State {
    platform::NativeFile fd = platform::NoNativeFile;
    std::string nativePath;
    bool pending = false; // opening failed; nativePath is where to create it
    bool modified = false;
    bool readOnly = false;
    prefs::PrefsText text;
    std::size_t currentGroup = kTopSection;
    std::optional<std::string> pendingGroup;

    bool active() const { return fd >= 0 || pending; }

    // A caller's text in the file's encoding.
    std::string encoded(std::string_view s) const {
        return text.utf8 ? bytesToUtf8(s) : std::string(s);
    }

    // [first, end) of the current group's entries after its line.
    std::pair<std::size_t, std::size_t> groupRange() const {
        const std::size_t first = currentGroup == kTopSection ? 0 : currentGroup + 1;
        std::size_t end = first;
        while (end < text.entries.size() && text.entries[end].kind != EntryKind::Group) {
            ++end;
        }
        return {first, end};
    }

    std::optional<std::size_t> findKey(std::string_view encodedKey) const {
        const auto [first, end] = groupRange();
        for (std::size_t i = first; i < end; ++i) {
            const Entry& e = text.entries[i];
            if (e.kind == EntryKind::Key && prefs::namesEqual(text.name(e), encodedKey)) {
                return i;
            }
        }
        return std::nullopt;
    }
};

PrefsFile::PrefsFile() : state_(std::make_unique<State>()) {}

PrefsFile::~PrefsFile() {
    close();
}

bool PrefsFile::openFile(std::string_view path) {
    close();
    State& s = *state_;
    s.nativePath = std::string(path);
    const platform::NativeOpen opened =
        openExisting(s.nativePath, platform::OpenFor::UpdatingFound);
    platform::NativeFile fd = opened.file;
    bool readOnly = false;
    if (fd < 0 && opened.failure != platform::OpenFailure::Missing &&
        opened.failure != platform::OpenFailure::IsDirectory) {
        fd = openExisting(s.nativePath, platform::OpenFor::Reading).file;
        readOnly = true;
    }
    std::optional<std::string> bytes;
    if (fd >= 0) {
        bytes = readWhole(fd);
        if (!bytes) {
            platform::closeNativeFile(fd);
            fd = platform::NoNativeFile;
        }
    }
    if (fd < 0) {
        // Remembered so that a write creates the file at close; that creation
        // never replaces whatever sits under the name already.
        s.pending = true;
        return false;
    }
    s.fd = fd;
    s.readOnly = readOnly;
    s.text = prefs::parsePrefsText(std::move(*bytes));
    return true;
}

bool PrefsFile::createFile(std::string_view path) {
    close();
    State& s = *state_;
    const std::string native = std::string(path);
    const platform::NativeFile fd =
        platform::openNativeFile(native, platform::OpenFor::Updating, platform::OpenWait::NoBlock)
            .file;
    if (fd < 0) {
        return false;
    }
    const auto info = platform::nativeFileInfo(fd);
    if (!info || !info->regular) {
        platform::closeNativeFile(fd);
        return false;
    }
    s.fd = fd;
    s.nativePath = native;
    // The old contents go only when close has the new file complete.
    s.modified = info->size > 0;
    return true;
}

bool PrefsFile::selectGroup(std::string_view name) {
    State& s = *state_;
    if (!s.active()) {
        return false;
    }
    if (name.empty()) {
        s.currentGroup = kTopSection;
        s.pendingGroup.reset();
        return true;
    }
    const std::string wanted = s.encoded(name);
    for (std::size_t i = 0; i < s.text.entries.size(); ++i) {
        const Entry& e = s.text.entries[i];
        if (e.kind == EntryKind::Group && prefs::namesEqual(s.text.name(e), wanted)) {
            s.currentGroup = i;
            s.pendingGroup.reset();
            return true;
        }
    }
    s.pendingGroup = wanted;
    return false;
}

namespace {

// The stored bytes of `key` in the selected group, as the file holds them;
// nothing when there is no such key to read.
template <typename State>
std::optional<std::string_view> storedValue(const State& s, std::string_view key) {
    if (!s.active() || s.pendingGroup) {
        return std::nullopt;
    }
    const auto at = s.findKey(s.encoded(key));
    if (!at) {
        return std::nullopt;
    }
    return s.text.value(s.text.entries[*at]);
}

} // namespace

std::string PrefsFile::readString(std::string_view key, std::string_view defaultValue) {
    const State& s = *state_;
    const std::optional<std::string_view> stored = storedValue(s, key);
    if (!stored) {
        return std::string(defaultValue);
    }
    const std::string_view raw = *stored;
    if (s.text.utf8) {
        return std::string(trimmedBlanks(utf8ToBytesPrefs(raw)));
    }
    return std::string(trimmedBlanks(raw));
}

std::int32_t PrefsFile::readInteger(std::string_view key, std::int32_t defaultValue) {
    const State& s = *state_;
    if (!s.active() || s.pendingGroup || !s.findKey(s.encoded(key))) {
        return defaultValue;
    }
    const std::string value = readString(key, "");
    std::size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || (value[i] >= '\t' && value[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    // Out-of-range numbers stop at the nearest 32-bit value.
    std::int64_t magnitude = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (value[i] - '0');
        if (magnitude > std::int64_t{1} << 32) {
            magnitude = std::int64_t{1} << 32;
        }
    }
    std::int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<std::int32_t>::max()) {
        result = std::numeric_limits<std::int32_t>::max();
    } else if (result < std::numeric_limits<std::int32_t>::min()) {
        result = std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(result);
}

std::string PrefsFile::readPath(std::string_view key, std::string_view defaultValue) {
    const State& s = *state_;
    const std::optional<std::string_view> stored = storedValue(s, key);
    if (!stored) {
        return std::string(defaultValue);
    }
    const std::string_view raw = trimmedBlanks(*stored);
    return s.text.utf8 ? std::string(raw) : platform::nativeFormOf(raw);
}

void PrefsFile::writePath(std::string_view key, std::string_view nativePath) {
    State& s = *state_;
    if (!s.active()) {
        return;
    }
    if (!s.text.utf8 && !platform::fitsLibraryText(nativePath)) {
        if (!prefs::convertToUtf8(s.text)) {
            return;
        }
        if (s.pendingGroup) {
            s.pendingGroup = bytesToUtf8(*s.pendingGroup);
        }
        s.modified = true;
    }
    writeEncoded(key, s.text.utf8 ? std::string(nativePath) : platform::libraryFormOf(nativePath));
}

void PrefsFile::writeString(std::string_view key, std::string_view value) {
    writeEncoded(key, state_->encoded(value));
}

void PrefsFile::writeEncoded(std::string_view key, std::string_view encodedValue) {
    State& s = *state_;
    if (!s.active()) {
        return;
    }
    auto& entries = s.text.entries;
    if (s.pendingGroup) {
        Entry group;
        group.kind = EntryKind::Group;
        if (!s.text.store(*s.pendingGroup, group.nameOffset)) {
            return;
        }
        group.nameLength = static_cast<std::uint32_t>(s.pendingGroup->size());
        entries.push_back(group);
        s.currentGroup = entries.size() - 1;
        s.pendingGroup.reset();
        s.modified = true;
    }
    const std::string encodedKey = s.encoded(key);
    if (const auto at = s.findKey(encodedKey)) {
        Entry& e = entries[*at];
        // Equal names have equal lengths, so the caller's spelling fits.
        s.text.pool.replace(e.nameOffset, e.nameLength, encodedKey);
        if (encodedValue.size() <= e.valueLength) {
            s.text.pool.replace(e.valueOffset, encodedValue.size(), encodedValue);
        } else if (!s.text.store(encodedValue, e.valueOffset)) {
            return;
        }
        e.valueLength = static_cast<std::uint32_t>(encodedValue.size());
        s.modified = true;
        return;
    }
    Entry e;
    e.kind = EntryKind::Key;
    if (!s.text.store(encodedKey, e.nameOffset) || !s.text.store(encodedValue, e.valueOffset)) {
        return;
    }
    e.nameLength = static_cast<std::uint32_t>(encodedKey.size());
    e.valueLength = static_cast<std::uint32_t>(encodedValue.size());
    const std::size_t insertAt = s.groupRange().second;
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(insertAt), e);
    s.modified = true;
}

void PrefsFile::writeInteger(std::string_view key, std::int32_t value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    writeString(key, std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

void PrefsFile::close() {
    State& s = *state_;
    if (!s.active()) {
        return;
    }
    if (s.modified && !s.readOnly) {
        // Failures leave the old file as it was; nothing is reported.
        static_cast<void>(platform::saveFile(s.nativePath, prefs::formatPrefsText(s.text),
                                             s.pending ? platform::ReplaceMode::CreateOnly
                                                       : platform::ReplaceMode::Replace));
    }
    platform::closeNativeFile(s.fd);
    *state_ = State();
}

} // namespace codarium
