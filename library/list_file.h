#pragma once
// The plain line files of the store: one entry per line, every line written
// with CR LF. A list is only ever replaced as a whole, by a complete
// temporary file renamed over it, so that a failure at any point leaves the
// old list or the new one, never neither and never a mixture.
#include "platform/atomic_save.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::library {

// The file's lines in order (CR, LF and CR LF all end a line; every line is
// an entry, an empty one too). A file that cannot be opened gives no lines.
[[nodiscard]] std::vector<std::string> readLines(std::string_view path);
// The same, but nothing at all when the file cannot be opened.
[[nodiscard]] std::optional<std::vector<std::string>> readLinesIfOpened(std::string_view path);
// The file's text, whose lines (textfile::forEachLine) are readLinesIfOpened's.
[[nodiscard]] std::optional<std::string> readListText(std::string_view path);

// Adds text as the new last line, creating the file when it is missing. A
// last line without its line end (a hand-edited file) is ended first, so the
// new entry is never joined to it; a last zero byte already ends its line.
// A text holding a line break (or a zero byte) is refused.
// False when nothing (or not all) could be written.
[[nodiscard]] bool appendLine(std::string_view path, std::string_view text);

// Drops every line equal to text (byte for byte); the others keep their
// order. The list is left untouched when it cannot be read or the temporary
// file cannot be written completely.
[[nodiscard]] bool rewriteWithoutLine(std::string_view listPath, std::string_view tempPath,
                                      std::string_view text);

// Sorts the lines, stably, comparing bytes with only A-Z folded to a-z. A
// missing file becomes an empty list; one that exists but cannot be read is
// left as it is.
[[nodiscard]] bool sortListFile(std::string_view path);

// Adds text as a new line and sorts the list, as appendLine and then
// sortListFile would, but in one replacement: the list is afterwards the old
// one or the new one in full, never one with the line but unsorted or a line
// half written. A missing list is created; one that exists but cannot be
// read is left as it is. A text holding a line break (or a zero byte) is
// refused.
[[nodiscard]] bool addLineSorted(std::string_view path, std::string_view text);

// The order sortListFile uses.
[[nodiscard]] bool listOrderLess(std::string_view a, std::string_view b);
void sortListLines(std::vector<std::string>& lines);

// Writes lines as the new content of listPath through a temporary file whose
// name starts with tempPath and renames the complete temporary file over the
// list. On failure the list is as it was and the temporary file is gone.
// Tests watch the steps through beforeStep.
[[nodiscard]] bool replaceListFile(std::string_view listPath, std::string_view tempPath,
                                   const std::vector<std::string>& lines,
                                   const platform::SaveStepHook& beforeStep = {});

} // namespace codarium::library
