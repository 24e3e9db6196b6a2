#include "widgets/object_registry.h"

#include <map>

namespace codarium::widgets {
namespace {

// QPointer empties itself when Qt deletes the object with its window, so a
// number never names a destroyed widget.
std::map<int, QPointer<QWidget>>& windows() {
    static std::map<int, QPointer<QWidget>> w;
    return w;
}
std::map<int, QPointer<QWidget>>& gadgets() {
    static std::map<int, QPointer<QWidget>> g;
    return g;
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
