#include "widgets/gadget_routes.h"

#include "widgets/layer_tables.h"

#include <algorithm>
#include <map>

namespace codarium::widgets {
namespace {

std::map<int, std::span<const GadgetRoute>>& routesByWindow() {
    return detail::layerTables().gadgetRoutes;
}

} // namespace

void routeGadgets(int window, std::span<const GadgetRoute> routes) {
    routesByWindow()[window] = routes;
}

bool runGadgetRoute(const WindowEvent& event) {
    const auto window = routesByWindow().find(event.window);
    if (window == routesByWindow().end()) {
        return false;
    }
    const auto route = std::find_if(window->second.begin(), window->second.end(),
                                    [&](const GadgetRoute& r) { return r.gadget == event.gadget; });
    if (route == window->second.end() || route->act == nullptr) {
        return false;
    }
    route->act(event);
    return true;
}

} // namespace codarium::widgets
