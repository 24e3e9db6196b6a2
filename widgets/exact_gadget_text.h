#pragma once
// A text field's contents as typed, for input that must be stored as typed
// or refused: gadgetText turns a character the system code page lacks into
// "?", this names it instead. Safe from any thread, as gadgetText is.
#include "platform/code_page_exact.h"

namespace codarium::widgets {

// A one-line field's text, or a multi-line editor's (lines ended by CR LF,
// as gadgetText gives them), with the first character the code page lacks.
// Any other gadget gives its gadgetText, complete.
platform::ExactCodePageText exactGadgetText(int gadget);

} // namespace codarium::widgets
