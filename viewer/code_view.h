#pragma once
// CodeViewer: a Scintilla view whose text the highlighter plug-in colours,
// in the fonts and colours of the PureBasic editor's preferences.
#include "runtime/text_file.h"

#include <cstdint>
#include <string_view>

namespace codarium::viewer {

// Loads the highlighter from `highlighterPath`, creates the view as gadget
// `gadget` inside window `parentWindow` and styles it from the editor's
// preferences. 0 (and no view) when the highlighter cannot be loaded or lacks
// its entry point; non-zero otherwise.
int createCodeView(int gadget, int parentWindow, int x, int y, int width, int height,
                   std::string_view highlighterPath);

// Replaces the whole text; converted to UTF-8 when the view is in code page
// 65001, passed unchanged otherwise.
void setText(int view, std::string_view text);
TextEncoding textEncoding(int view);
void setReadOnly(int view, bool readOnly);
void setWordWrap(int view, bool wrap);
std::int64_t textLength(int view);
// Points added to every font size of the view (0: as styled).
void setZoom(int view, int zoom);
int zoom(int view);

} // namespace codarium::viewer
