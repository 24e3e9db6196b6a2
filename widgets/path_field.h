#pragma once
// A text field that shows a native path (a chosen program, a folder). Its text
// is the path's own UTF-8, not library text, so a name such as "Łukasz" shows
// and comes back whole. Safe from any thread, as gadgetText is.
#include <string>
#include <string_view>

namespace codarium::widgets {

void setFieldPath(int gadget, std::string_view nativePath);
// The field's text as a native path; "" when the gadget is no text field.
std::string fieldPath(int gadget);

} // namespace codarium::widgets
