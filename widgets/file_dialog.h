#pragma once
// The open-file dialog. Main thread. A stand-in may answer it (dialog_stand_in.h).
#include <string>
#include <string_view>

namespace codarium::widgets {

// filter: "Name|pattern" pairs joined by "|" (e.g. "Executable-Dateien|
// PureBasic.exe"); patterns may hold several ";"-separated wildcards. The
// proposed file may be a bare name or a path. Returns the chosen file's
// native path, or "" when the user cancelled.
std::string openFileRequester(std::string_view title, std::string_view proposedFile,
                              std::string_view filter);

} // namespace codarium::widgets
