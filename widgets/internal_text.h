#pragma once
// Program texts on their way into Qt widgets. Internal to this folder.
#include <QString>
#include <string_view>

namespace codarium::widgets::detail {

// The program's texts end lines with CR or CR LF; Qt breaks lines only at LF.
QString withLineFeeds(std::string_view text);

} // namespace codarium::widgets::detail
