// The login dialog and the about box are fixed dialogs: caption and close
// box only, no minimize or maximize button, one size, no task-bar entry.
#include <QDialog>
#include <QtTest>

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
};

QTEST_MAIN(FixedDialogsTest)
#include "test_fixed_dialogs.moc"
