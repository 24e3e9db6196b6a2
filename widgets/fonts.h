#pragma once
// Numbered fonts. Main thread only.
#include <string_view>

namespace codarium::widgets {

enum FontFlag : unsigned { FontBold = 1u << 0, FontItalic = 1u << 1 };

// face "" takes the toolkit's default family; size in points.
bool loadFont(int font, std::string_view face, int pointSize, unsigned flags = 0);
bool isFont(int font);
void freeFont(int font);

} // namespace codarium::widgets
