#pragma once
// A gadget that shows an image number (see images.h).
namespace codarium::widgets {

// width or height 0: sized to the image; both given: the picture is scaled
// to that size. An empty image shows nothing.
bool imageGadget(int gadget, int window, int x, int y, int width, int height, int image);
// Shows another image (or the changed pixels of the same one).
void setGadgetImage(int gadget, int image);

} // namespace codarium::widgets
