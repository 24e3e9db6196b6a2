#pragma once
// Whole-text operations on a code view: loading and saving files with their
// byte-order mark, showing a code in the main window's view, copy and
// select-all.
#include "platform/atomic_save.h"

#include <string>
#include <string_view>

namespace codarium::viewer {

// The main window's read-only view.
inline constexpr int MainCodeView = 4;

// Shows a code's file in the main view, which is read-only again afterwards.
void showCodeFile(std::string_view path);
// Empties the main view, which is read-only again afterwards.
void clearCodeView();

// 1 when the view's text was replaced, 0 when the file is missing, empty or
// too large; the mark (or its absence) sets the view's code page either way
// once the file is open.
int loadFileIntoView(int view, std::string_view path);
// Replaces the file at the native path as a whole with viewFileBytes, so
// that a failed save leaves the previous file as it was; the result says
// why it failed. A view in code page 65001 is saved with the UTF-8 mark.
platform::SaveResult saveViewToFile(int view, std::string_view path);
// The bytes saveViewToFile writes: the UTF-8 mark for a view in code page
// 65001, then the view's text unchanged. Empty when there is no such view.
std::string viewFileBytes(int view);

// The view's text as it holds it (UTF-8 in code page 65001), without a
// mark; positions in the view are offsets into it. Empty for no such view.
std::string viewText(int view);

void copySelection();
void selectAll();

} // namespace codarium::viewer
