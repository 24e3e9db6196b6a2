#pragma once
// Preferences (INI) files: the whole file is loaded into an ordered entry list
// on open, changed in memory, and written back as a whole on close. One
// PrefsFile holds at most one open file; opening another closes it first.
//
// The file on disk is only ever replaced as a whole: close writes a complete
// new file beside it and renames it over the old one, so an interrupted or
// failed write leaves the previous contents in place.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace codarium {

class PrefsFile {
public:
    PrefsFile();
    ~PrefsFile(); // closes, as close() does
    PrefsFile(const PrefsFile&) = delete;
    PrefsFile& operator=(const PrefsFile&) = delete;

    bool openFile(std::string_view path);
    // Fails when the file can be neither created nor opened for writing. An
    // existing file keeps its contents until close replaces them with the
    // (possibly empty) new list.
    bool createFile(std::string_view path);
    bool selectGroup(std::string_view name);
    std::string readString(std::string_view key, std::string_view defaultValue);
    std::int32_t readInteger(std::string_view key, std::int32_t defaultValue);
    void writeString(std::string_view key, std::string_view value);
    void writeInteger(std::string_view key, std::int32_t value);
    // A native path (UTF-8), which unlike library text may hold any
    // character: read back exactly as writePath stored it. A file without the
    // UTF-8 mark holds it in Windows-1252, as writeString would.
    std::string readPath(std::string_view key, std::string_view defaultValue);
    // Stores a native path in the code page when every character of it fits,
    // so such a file stays as writeString would leave it; else the whole file
    // is written as UTF-8 with its mark from then on.
    void writePath(std::string_view key, std::string_view nativePath);
    void close();

private:
    // Stores a value already in the file's encoding.
    void writeEncoded(std::string_view key, std::string_view encodedValue);

    struct State;
    std::unique_ptr<State> state_;
};

} // namespace codarium
