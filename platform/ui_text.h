#pragma once
// Texts written in this source are UTF-8; the widget layer takes program text
// (the system code page). ui() is the one conversion between the two.
#include "platform/code_page.h"

#include <string>
#include <string_view>

namespace codarium::platform {

inline std::string ui(std::string_view utf8) {
    return fromUtf8(utf8);
}

} // namespace codarium::platform
