#pragma once
// The code view's editing component as a numbered gadget: a Scintilla view
// driven by Scintilla's own message numbers. Main thread only.
//
// A new view has no lexer, which in Scintilla means the container lexer
// (lexer 0): every stretch of text that needs colouring is announced as a
// style-needed notification and nothing else styles it. A new view also starts
// in code page 0, as a plain Scintilla window does.
#include <QPoint>
#include <cstdint>
#include <functional>
#include <string>

namespace codarium::widgets {

// Scintilla's style-needed notification code.
inline constexpr int StyleNeededNotification = 2000;

// Receives the gadget number, the notification code and the position the
// notification carries. Runs synchronously inside Scintilla, so the text may
// be styled from within it.
using ScintillaCallback = std::function<void(int gadget, int code, std::intptr_t position)>;

// Creates the view as gadget `number` of window `parentWindow`, like every
// other gadget, at the given place and size, and shows it. A gadget of the
// same number is replaced. False when the window does not exist.
bool createScintillaGadget(int number, int parentWindow, int x, int y, int width, int height);

// True when `number` names a live Scintilla gadget.
bool isScintillaGadget(int number);

// Sends a Scintilla message synchronously and returns its result; pointers go
// in lParam (or wParam) as integers, as in a window message. An unknown
// gadget gets nothing sent and gives 0.
std::intptr_t sendScintilla(int number, unsigned int message, std::uintptr_t wParam = 0,
                            std::intptr_t lParam = 0);

// Scintilla's direct entry into one view, for long runs of messages (the
// styling of a pass): the same messages and results as sendScintilla without
// looking the gadget up each time. Valid only while the gadget lives; an
// empty one (unknown gadget) sends nothing and gives 0.
struct ScintillaDirect {
    using Function = std::intptr_t (*)(std::intptr_t view, unsigned int message,
                                       std::uintptr_t wParam, std::intptr_t lParam);
    Function function = nullptr;
    std::intptr_t view = 0;

    std::intptr_t operator()(unsigned int message, std::uintptr_t wParam = 0,
                             std::intptr_t lParam = 0) const {
        return function == nullptr ? 0 : function(view, message, wParam, lParam);
    }
};
ScintillaDirect scintillaDirect(int number);

void setScintillaCallback(int number, ScintillaCallback callback);

// Copies the selection to the clipboard.
void copyToClipboard(int number);
// Selects the whole text.
void selectAllText(int number);
// Switches off the component's own context menu.
void disableOwnPopup(int number);
// Called with the pointer's global position whenever the view is asked for a
// context menu; the component's own menu is still shown unless switched off.
void setContextMenuHandler(int number, std::function<void(QPoint globalPos)> handler);

// The caret's text position, 0 for an unknown gadget.
std::intptr_t caretPosition(int number);

// What the pointer over the view's text asks of the program, by the text
// position under it (-1 where no character is near).
struct TextPointerHandlers {
    // The tooltip of a pointer resting there (program text; "" for none).
    std::function<std::string(std::intptr_t position)> toolTip;
    // A Ctrl+click there; true when the program took it, which then neither
    // moves the caret nor selects.
    std::function<bool(std::intptr_t position)> ctrlClick;
};
void setTextPointerHandlers(int number, TextPointerHandlers handlers);

// The system's button-face colour as 0x00BBGGRR.
std::int32_t buttonFaceColour();

} // namespace codarium::widgets
