#include "widgets/image_gadget.h"

#include "widgets/gadget_host.h"
#include "widgets/internal_images.h"
#include "widgets/internal_properties.h"
#include "widgets/object_registry.h"

#include <QLabel>
#include <QPixmap>

namespace codarium::widgets {

bool imageGadget(int gadget, int window, int x, int y, int width, int height, int image) {
    auto* label = new QLabel();
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setProperty(detail::property::Image, image);
    // A size given for both sides is the size the picture is shown in.
    label->setScaledContents(width > 0 && height > 0);
    const QImage img = detail::imageOf(image);
    if (!img.isNull()) {
        label->setPixmap(QPixmap::fromImage(img));
    }
    return adoptGadget(gadget, window, label, x, y, width > 0 ? width : img.width(),
                       height > 0 ? height : img.height());
}

void setGadgetImage(int gadget, int image) {
    auto* label = gadgetAs<QLabel>(gadget);
    if (label == nullptr) {
        return;
    }
    label->setProperty(detail::property::Image, image);
    const QImage img = detail::imageOf(image);
    if (img.isNull()) {
        label->clear();
    } else {
        label->setPixmap(QPixmap::fromImage(img));
    }
}

} // namespace codarium::widgets
