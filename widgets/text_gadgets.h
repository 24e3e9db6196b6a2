#pragma once
// Labels, buttons, frames, text fields and multi-line editors.
#include <string_view>

namespace codarium::widgets {

enum TextFieldFlag : unsigned {
    TextFieldReadOnly = 1u << 0,
    // A one-line field in which Return inserts nothing and is reported as a
    // ReturnKey event (every edit is a Change event, as in every field).
    TextFieldReportsReturn = 1u << 1,
    TextFieldPassword = 1u << 2,
    // Focus gained and lost are reported as Focus and LostFocus events, a
    // click into the field as LeftClick: every event of the field counts.
    TextFieldReportsFocus = 1u << 3,
    // Multi-line editors: long lines are not wrapped, and both scroll bars
    // are always shown.
    TextFieldNoWrap = 1u << 4,
};

enum TextFlag : unsigned {
    TextRightAligned = 1u << 0,
};

// A static text (label), left aligned unless asked otherwise, wrapping within
// its width. A CR (or CR LF) in the text starts a new line.
bool textGadget(int gadget, int window, int x, int y, int width, int height, std::string_view text,
                unsigned flags = 0);

// A one-line text field; Change event on every edit.
bool stringGadget(int gadget, int window, int x, int y, int width, int height,
                  std::string_view text, unsigned flags = 0);

// A multi-line plain text editor; Change event on every edit.
bool editorGadget(int gadget, int window, int x, int y, int width, int height,
                  std::string_view text = {}, unsigned flags = 0);

// A push button; a click posts a LeftClick event.
bool buttonGadget(int gadget, int window, int x, int y, int width, int height,
                  std::string_view text);

// A frame (group box) with an optional caption; it takes no events.
bool frameGadget(int gadget, int window, int x, int y, int width, int height,
                 std::string_view text = {});

} // namespace codarium::widgets
