#pragma once
// What the widget layer keeps for the numbers the program gives its objects:
// one table per kind, all in one place, owned by the layer and reached only
// through layerTables(). Main thread only. Internal to this folder.
#include "widgets/gadget_routes.h"
#include "widgets/internal_bars.h"
#include "widgets/internal_menus.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <map>
#include <span>

namespace codarium::widgets::detail {

struct LayerTables {
    // QPointer empties itself when Qt deletes the object with its window, so
    // a number never names a destroyed widget.
    std::map<int, QPointer<QWidget>> windows;
    std::map<int, QPointer<QWidget>> gadgets;
    std::map<int, MenuRecord> menus;
    std::map<int, ToolBarRecord> toolBars;
    std::map<int, StatusBarRecord> statusBars;
    std::map<int, QImage> images;
    std::map<int, QFont> fonts;
    std::map<int, std::span<const GadgetRoute>> gadgetRoutes;
};

LayerTables& layerTables();

} // namespace codarium::widgets::detail
