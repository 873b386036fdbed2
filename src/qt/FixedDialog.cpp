#include "FixedDialog.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QWidget>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>

namespace lp {

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// Motif hints: which functions the frame offers, and which decorations.
enum : std::uint32_t {
    MwmHintsFunctions = 1u << 0,
    MwmHintsDecorations = 1u << 1,
    MwmFuncMove = 1u << 2,
    MwmFuncClose = 1u << 5,
    MwmDecorBorder = 1u << 1,
    MwmDecorTitle = 1u << 3,
    MwmDecorMenu = 1u << 4,
};

// Written on the unmapped window, just before it is mapped: the window
// manager reads them when it takes the window on. Qt merges its own states
// into _NET_WM_STATE and leaves the other two alone.
void writeX11Hints(QWidget& dialog) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    xcb_connection_t* c = x11->connection();
    const auto window = static_cast<xcb_window_t>(dialog.winId());

    // Moving and closing only. Window managers that follow these hints
    // (most do) drop the minimize and maximize buttons and actions.
    const std::array<std::uint32_t, 5> mwm = {MwmHintsFunctions | MwmHintsDecorations, MwmFuncMove | MwmFuncClose,
                                              MwmDecorBorder | MwmDecorTitle | MwmDecorMenu, 0, 0};
    const xcb_atom_t mwmAtom = internAtom(c, "_MOTIF_WM_HINTS");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, mwmAtom, mwmAtom, 32, mwm.size(), mwm.data());

    // Not in the task bar, not in the pager.
    const xcb_atom_t state = internAtom(c, "_NET_WM_STATE");
    const std::array<xcb_atom_t, 2> skip = {internAtom(c, "_NET_WM_STATE_SKIP_TASKBAR"),
                                            internAtom(c, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(c, XCB_PROP_MODE_APPEND, window, state, XCB_ATOM_ATOM, 32, skip.size(), skip.data());

    // Some window managers (openbox among them) offer minimizing whatever
    // the Motif hints say, and take it away only from a few window types.
    // A toolbar is the one of them that keeps its caption and close box;
    // "dialog" stays in the list for window managers that know no toolbars.
    const std::array<xcb_atom_t, 2> types = {internAtom(c, "_NET_WM_WINDOW_TYPE_TOOLBAR"),
                                             internAtom(c, "_NET_WM_WINDOW_TYPE_DIALOG")};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, internAtom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32,
                        types.size(), types.data());
    xcb_flush(c);
}

class FixedDialogHints : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        auto* dialog = static_cast<QWidget*>(watched);
        // A window manager may not focus a toolbar of its own accord: once
        // mapped, and again when a message box it showed has closed, the
        // dialog asks for the focus, as a dialog gets it.
        if (event->type() == QEvent::Show) {
            writeX11Hints(*dialog);
            QMetaObject::invokeMethod(dialog, [dialog] { dialog->activateWindow(); }, Qt::QueuedConnection);
        } else if (event->type() == QEvent::WindowUnblocked && dialog->isVisible()) {
            QMetaObject::invokeMethod(dialog, [dialog] { dialog->activateWindow(); }, Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

Qt::WindowFlags fixedDialogFlags() {
    return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}

void makeFixedDialog(QWidget& dialog) {
    dialog.setWindowFlags(fixedDialogFlags());
    dialog.setFixedSize(dialog.size());
    if (QGuiApplication::platformName() == QLatin1String("xcb")) dialog.installEventFilter(new FixedDialogHints(&dialog));
}

}  // namespace lp
