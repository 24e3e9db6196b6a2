#pragma once
// The code view's zoom: points added to every style's font size, in the
// editing component's range, and when the setting is written.

namespace codarium::app {

inline constexpr int MinimumZoom = -10;
inline constexpr int MaximumZoom = 20;

enum class ZoomStep { In, Out, Reset };

// The zoom after one step from `current` (clamped to the range).
int zoomAfter(int current, ZoomStep step);
// A stored zoom read back: values outside the range are clamped.
int zoomFromSetting(int stored);

// Whether "Zoom" is written: whenever it is not 0, and also when the file
// already holds the key, so that zooming back to 0 is kept. A file that never
// had a zoom stays as it was.
bool zoomKeyWritten(int zoom, bool keyInFile);

} // namespace codarium::app
