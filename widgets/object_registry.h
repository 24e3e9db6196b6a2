#pragma once
// The numbers the program gives its windows and gadgets, and the Qt objects
// behind them. Main thread only.
#include <QPointer>
#include <QWidget>

namespace codarium::widgets {

void registerWindow(int number, QWidget* window);
QWidget* windowWidget(int number); // nullptr when no such window exists
void forgetWindow(int number);

void registerGadget(int number, QWidget* gadget);
QWidget* gadgetWidget(int number); // nullptr when no such gadget exists
void forgetGadget(int number);

template <typename T> T* gadgetAs(int number) {
    return qobject_cast<T*>(gadgetWidget(number));
}

} // namespace codarium::widgets
