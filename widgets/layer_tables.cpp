#include "widgets/layer_tables.h"

namespace codarium::widgets::detail {

LayerTables& layerTables() {
    // Made at the first use, after the application object, and never
    // destroyed: at exit Qt's own statics may be gone before it.
    static auto* tables = new LayerTables;
    return *tables;
}

} // namespace codarium::widgets::detail
