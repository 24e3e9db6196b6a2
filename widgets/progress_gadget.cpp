#include "widgets/progress_gadget.h"

#include "widgets/gadget_host.h"
#include "widgets/gui_thread.h"
#include "widgets/internal_properties.h"
#include "widgets/object_registry.h"

#include <QProgressBar>

namespace codarium::widgets {
namespace {

// A plain bar with an empty range shows an empty bar (Qt would animate it as
// busy); the range asked for is kept beside the one Qt is given.
void applyRange(QProgressBar* bar, int minimum, int maximum) {
    bar->setProperty(detail::property::Maximum, maximum);
    if (bar->property(detail::property::Marquee).toBool()) {
        bar->setRange(0, 0);
    } else if (maximum <= minimum) {
        bar->setRange(0, 1);
        bar->setValue(0);
    } else {
        bar->setRange(minimum, maximum);
    }
}

} // namespace

bool progressBarGadget(int gadget, int window, int x, int y, int width, int height, int minimum,
                       int maximum, ProgressStyle style) {
    auto* bar = new QProgressBar();
    bar->setTextVisible(false);
    bar->setProperty(detail::property::Marquee, style == ProgressStyle::Marquee);
    applyRange(bar, minimum, maximum);
    if (style == ProgressStyle::Plain) {
        bar->setValue(bar->minimum());
    }
    return adoptGadget(gadget, window, bar, x, y, width, height);
}

void setProgressValue(int gadget, int value) {
    runOnGuiThread([&] {
        auto* bar = gadgetAs<QProgressBar>(gadget);
        if (bar == nullptr || bar->property(detail::property::Marquee).toBool()) {
            return;
        }
        bar->setValue(std::clamp(value, bar->minimum(), bar->maximum()));
    });
}

int progressValue(int gadget) {
    int value = 0;
    runOnGuiThread([&] {
        if (auto* bar = gadgetAs<QProgressBar>(gadget)) {
            value = std::max(bar->value(), bar->minimum());
        }
    });
    return value;
}

void setProgressRange(int gadget, int minimum, int maximum) {
    runOnGuiThread([&] {
        if (auto* bar = gadgetAs<QProgressBar>(gadget)) {
            applyRange(bar, minimum, maximum);
        }
    });
}

int progressMaximum(int gadget) {
    int maximum = 0;
    runOnGuiThread([&] {
        if (auto* bar = gadgetAs<QProgressBar>(gadget)) {
            maximum = bar->property(detail::property::Maximum).toInt();
        }
    });
    return maximum;
}

bool progressIsMarquee(int gadget) {
    auto* bar = gadgetAs<QProgressBar>(gadget);
    return bar != nullptr && bar->property(detail::property::Marquee).toBool();
}

} // namespace codarium::widgets
