#pragma once
// The shell's texts: UTF-8 in the source, program text for the widget layer.
#include "platform/ui_text.h"

namespace codarium::app {

using platform::ui;

} // namespace codarium::app
