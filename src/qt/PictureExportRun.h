#pragma once
// `ladderpad --export DRAWING.lad OUT.png|OUT.svg|OUT.pdf`: the drawing's
// picture written with no window and no login.
#include <QString>

namespace lp {

// 0 when written; 1 with the reason on standard error otherwise.
int exportPictureAndExit(const QString& drawing, const QString& out);

}  // namespace lp
