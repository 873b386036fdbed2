#pragma once
// The program's window icon: a small rung (rails, a contact and a coil),
// drawn at 32 x 32 and 16 x 16.
#include <QIcon>
#include <QPixmap>

namespace lp {

QPixmap appIconPixmap(int size);
QIcon appIcon();

}  // namespace lp
