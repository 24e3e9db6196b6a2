#pragma once
// Small rules about the texts users type; they live with the dialogs' field
// rules in the widget layer.
#include "widgets/field_rules.h"

namespace codarium::app {

using widgets::hasNonBlankText;

} // namespace codarium::app
