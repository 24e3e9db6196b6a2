#pragma once
// Numbered images (icons and PNG pictures) and drawing text on them. Main
// thread only.
#include <cstdint>
#include <string_view>

namespace codarium::widgets {

// Loads an .ico (its largest picture) or .png file as image `image`. A missing
// or unreadable file leaves the image empty (it exists but shows nothing) and
// returns false.
bool loadImage(int image, std::string_view path);
// A new blank (transparent) image.
bool createImage(int image, int width, int height);
// Copies image `source` into `destination` (an empty source gives an empty
// copy). Returns false when source is empty or absent.
bool copyImage(int source, int destination);
void freeImage(int image);
// True when the image exists and holds a picture.
bool isImage(int image);
int imageWidth(int image);  // 0 when empty
int imageHeight(int image); // 0 when empty

// Colours as 0xRRGGBB.
struct TextDrawing {
    std::uint32_t frontColour = 0x000000;
    std::uint32_t backColour = 0xFFFFFF;
    bool transparentBackground = true;
    int font = -1; // a font number of fonts.h, -1: the default font
};
// Draws a line of program text with its top left corner at x, y.
void drawTextOnImage(int image, int x, int y, std::string_view text, const TextDrawing& drawing);
// The width in pixels that drawTextOnImage would use for `text`.
int textWidth(std::string_view text, int font = -1);

} // namespace codarium::widgets
