#include "widgets/field_rules.h"

#include "widgets/gadgets.h"

namespace codarium::widgets {

void enableWhenFilled(int field, int button) {
    disableGadget(button, !hasNonBlankText(gadgetText(field)));
}

void enableWhenBothFilled(int firstField, int secondField, int button) {
    disableGadget(button, !(hasNonBlankText(gadgetText(firstField)) &&
                            hasNonBlankText(gadgetText(secondField))));
}

} // namespace codarium::widgets
