#pragma once
class QWidget;

namespace lp {

// Moves a top-level window so that its frame is centred on the screen it
// is on (the primary screen when it has none yet).
void centreOnScreen(QWidget& window);

}  // namespace lp
