#include "widgets/object_registry.h"

#include "widgets/layer_tables.h"

#include <map>

namespace codarium::widgets {
namespace {

std::map<int, QPointer<QWidget>>& windows() {
    return detail::layerTables().windows;
}
std::map<int, QPointer<QWidget>>& gadgets() {
    return detail::layerTables().gadgets;
}

QWidget* lookup(std::map<int, QPointer<QWidget>>& table, int number) {
    const auto it = table.find(number);
    return it == table.end() ? nullptr : it->second.data();
}

} // namespace

void registerWindow(int number, QWidget* window) {
    windows()[number] = window;
}
QWidget* windowWidget(int number) {
    return lookup(windows(), number);
}
void forgetWindow(int number) {
    windows().erase(number);
}

void registerGadget(int number, QWidget* gadget) {
    gadgets()[number] = gadget;
}
QWidget* gadgetWidget(int number) {
    return lookup(gadgets(), number);
}
void forgetGadget(int number) {
    gadgets().erase(number);
}

} // namespace codarium::widgets
