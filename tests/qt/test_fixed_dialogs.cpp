// The login dialog and the about box are fixed dialogs: caption and close
// box only, no minimize or maximize button, one size, no task-bar entry.
#include <QDialog>
#include <QGuiApplication>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <xcb/xcb.h>

#include "AboutDialog.h"
#include "FixedDialog.h"
#include "FontSetup.h"
#include "LoginDialog.h"

using namespace lp;

namespace {

void checkFixedDialog(QDialog& d) {
    const Qt::WindowFlags flags = d.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));  // only the buttons asked for
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowFullscreenButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(!flags.testFlag(Qt::FramelessWindowHint));
    QCOMPARE(flags, fixedDialogFlags());

    const QSize size = d.size();
    QCOMPARE(d.minimumSize(), size);
    QCOMPARE(d.maximumSize(), size);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.resize(size * 2);
    QCOMPARE(d.size(), size);
    QCOMPARE(d.windowFlags(), fixedDialogFlags());  // showing changes nothing
    d.hide();
}

// Reading a window's properties on the X server.
class X11Properties {
public:
    explicit X11Properties(const QWidget& w)
        : c_(qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection()),
          window_(static_cast<xcb_window_t>(w.winId())) {}

    xcb_atom_t atom(const char* name) const {
        auto* reply = xcb_intern_atom_reply(
            c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return a;
    }

    std::vector<uint32_t> values(const char* name) const {
        auto* reply = xcb_get_property_reply(
            c_, xcb_get_property(c_, 0, window_, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 64), nullptr);
        std::vector<uint32_t> out;
        if (reply && reply->format == 32) {
            const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply));
            out.assign(v, v + xcb_get_property_value_length(reply) / 4);
        }
        std::free(reply);
        return out;
    }

private:
    xcb_connection_t* c_;
    xcb_window_t window_;
};

// What the window manager is asked for when the dialog is shown: moving and
// closing only, no task-bar or pager entry, a window type that no window
// manager offers to minimize.
void checkX11Hints(QDialog& d) {
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    const X11Properties x(d);
    const std::vector<uint32_t> mwm = x.values("_MOTIF_WM_HINTS");
    QCOMPARE(mwm.size(), std::size_t{5});
    QCOMPARE(mwm[0] & 3u, 3u);             // functions and decorations given
    QCOMPARE(mwm[1], (1u << 2) | (1u << 5));  // move, close
    QCOMPARE(mwm[2] & ((1u << 5) | (1u << 6) | (1u << 2)), 0u);  // no minimize, maximize, resize handles
    const std::vector<uint32_t> state = x.values("_NET_WM_STATE");
    QVERIFY(std::count(state.begin(), state.end(), x.atom("_NET_WM_STATE_SKIP_TASKBAR")) == 1);
    QVERIFY(std::count(state.begin(), state.end(), x.atom("_NET_WM_STATE_SKIP_PAGER")) == 1);
    const std::vector<uint32_t> type = x.values("_NET_WM_WINDOW_TYPE");
    QVERIFY(!type.empty());
    QCOMPARE(type.front(), x.atom("_NET_WM_WINDOW_TYPE_TOOLBAR"));
    QVERIFY(std::count(type.begin(), type.end(), x.atom("_NET_WM_WINDOW_TYPE_DIALOG")) == 1);
    d.hide();
}

}  // namespace

class FixedDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void loginDialog() {
        LoginDialog d;
        d.endProgram = [] {};
        checkFixedDialog(d);
    }

    void aboutBox() {
        AboutDialog d;
        d.endProgram = [] {};
        checkFixedDialog(d);
    }

    // Run on an X server (see tests/qt/CMakeLists.txt); skipped elsewhere.
    void x11Hints() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) QSKIP("not on X11");
        LoginDialog login;
        login.endProgram = [] {};
        checkX11Hints(login);
        AboutDialog about;
        about.endProgram = [] {};
        checkX11Hints(about);
    }
};

QTEST_MAIN(FixedDialogsTest)
#include "test_fixed_dialogs.moc"
