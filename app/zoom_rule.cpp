#include "app/zoom_rule.h"

#include <algorithm>

namespace codarium::app {

int zoomAfter(int current, ZoomStep step) {
    switch (step) {
    case ZoomStep::In:
        return zoomFromSetting(current + 1);
    case ZoomStep::Out:
        return zoomFromSetting(current - 1);
    case ZoomStep::Reset:
        return 0;
    }
    return current;
}

int zoomFromSetting(int stored) {
    return std::clamp(stored, MinimumZoom, MaximumZoom);
}

bool zoomKeyWritten(int zoom, bool keyInFile) {
    return zoom != 0 || keyInFile;
}

} // namespace codarium::app
