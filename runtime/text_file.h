#pragma once
// Numbered open files with buffered line and byte operations. Text passes
// through unchanged; lines written end in CR LF.
#include <cstdint>
#include <string>
#include <string_view>

namespace codarium {

enum class TextEncoding { SystemCodePage, Utf8, Utf16Le, Utf16Be };

namespace textfile {

// A file number chosen by the caller (0 to 2^32 - 1), or the handle that an
// open operation returned for AnyFile. The table of open files may be used
// from several threads as long as no number is used by two at once.
using FileId = std::int64_t;
inline constexpr FileId AnyFile = -1;

// Each returns the handle (for AnyFile) or a non-zero value; 0 on failure.
[[nodiscard]] FileId create(FileId number, std::string_view path);
[[nodiscard]] FileId openUpdate(FileId number, std::string_view path);
[[nodiscard]] FileId openRead(FileId number, std::string_view path);
void close(FileId file);

[[nodiscard]] bool atEnd(FileId file);
[[nodiscard]] std::string readLine(FileId file);
// The same line into `line`, reusing its storage: no allocation per line in
// a loop over a file.
void readLine(FileId file, std::string& line);
std::int64_t writeText(FileId file, std::string_view text);
std::int64_t writeLine(FileId file, std::string_view text);
[[nodiscard]] std::int64_t readBytes(FileId file, void* destination, std::int64_t count);
std::int64_t writeBytes(FileId file, const void* source, std::int64_t count);
[[nodiscard]] std::int64_t length(FileId file);
void seek(FileId file, std::int64_t position);
[[nodiscard]] std::int64_t position(FileId file);
[[nodiscard]] TextEncoding detectBom(FileId file);
std::int64_t writeBom(FileId file, TextEncoding encoding);

// Closes every open file; also run at process end.
void closeAll();

} // namespace textfile
} // namespace codarium
