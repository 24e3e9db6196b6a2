#pragma once
// Texts written in this source are UTF-8; the widget layer takes program text
// (the system code page).
#include "platform/code_page.h"

#include <string>
#include <string_view>

namespace codarium::app {

inline std::string ui(std::string_view utf8) {
    return platform::fromUtf8(utf8);
}

} // namespace codarium::app
