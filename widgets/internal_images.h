#pragma once
// Access to the numbered images and fonts for the other parts of this folder.
#include <QFont>
#include <QIcon>
#include <QImage>

namespace codarium::widgets::detail {

QImage imageOf(int image); // null when empty or absent
QIcon iconOf(int image);   // null icon when empty or absent
QFont fontOf(int font);    // the application font when absent

} // namespace codarium::widgets::detail
