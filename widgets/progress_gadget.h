#pragma once
// Progress bars. The value and the range may be set from any thread.
namespace codarium::widgets {

enum class ProgressStyle {
    Plain,
    Marquee, // a continuously moving bar that shows activity, not a value
};

bool progressBarGadget(int gadget, int window, int x, int y, int width, int height, int minimum,
                       int maximum, ProgressStyle style = ProgressStyle::Plain);
void setProgressValue(int gadget, int value);
int progressValue(int gadget);
void setProgressRange(int gadget, int minimum, int maximum);
int progressMaximum(int gadget);
bool progressIsMarquee(int gadget);

} // namespace codarium::widgets
