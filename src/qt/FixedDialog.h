#pragma once
// The login dialog and the about box are fixed dialogs: a caption with a
// close box, no minimize or maximize button, a size of their own that the
// user cannot change, and no task-bar entry.
#include <Qt>

class QWidget;

namespace lp {

// The window flags of a fixed dialog.
Qt::WindowFlags fixedDialogFlags();

// Gives `dialog` those flags, and keeps its present size as its only size.
// On X11 each showing also asks the window manager for moving and closing
// only and for no task-bar or pager entry (see FixedDialog.cpp).
void makeFixedDialog(QWidget& dialog);

}  // namespace lp
