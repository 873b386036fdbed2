// The login dialog: its controls, the exact credentials, the failure path
// and its retries, and the ways out.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "AppFlow.h"
#include "FontSetup.h"
#include "LoginDialog.h"
#include "MainWindow.h"
#include "UiTestSupport.h"

using namespace lp;
using lp::test::EndCounter;
using lp::test::Message;
using lp::test::MessageLog;

class LoginTest : public QObject {
    Q_OBJECT

    static void attempt(LoginDialog& d, const QString& user, const QString& password) {
        d.txtUserName()->setText(user);
        d.txtPassword()->setText(password);
        QTest::mouseClick(d.cmdOK(), Qt::LeftButton);
    }

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void controlsAndTexts() {
        LoginDialog d;
        QCOMPARE(d.windowTitle(), QStringLiteral("登录"));
        QCOMPARE(d.lblLabels(0)->text(), QStringLiteral("用户名称(&U):"));
        QCOMPARE(d.lblLabels(1)->text(), QStringLiteral("密码(&P):"));
        QCOMPARE(d.lblLabels(0)->buddy(), d.txtUserName());
        QCOMPARE(d.lblLabels(1)->buddy(), d.txtPassword());
        QCOMPARE(d.cmdOK()->text(), QStringLiteral("确定"));
        QCOMPARE(d.cmdCancel()->text(), QStringLiteral("取消"));
        QVERIFY(d.cmdOK()->isDefault());
        QVERIFY(!d.cmdCancel()->isDefault());
        QCOMPARE(d.txtUserName()->echoMode(), QLineEdit::Normal);
        QCOMPARE(d.txtPassword()->echoMode(), QLineEdit::Password);
        QVERIFY(d.txtUserName()->text().isEmpty());
        QVERIFY(d.txtPassword()->text().isEmpty());
        QVERIFY(!(d.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(d.windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(d.focusWidget(), d.txtUserName());
        // Tab order: user name, password, OK, Cancel.
        QList<QWidget*> order;
        QWidget* w = d.txtUserName();
        for (int guard = 0; guard < 20 && order.size() < 4; ++guard, w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus) order << w;
        QCOMPARE(order, (QList<QWidget*>{d.txtUserName(), d.txtPassword(), d.cmdOK(), d.cmdCancel()}));
    }

    void geometryFromScaleUnits() {
        // units * 1.0650241 (across) or * 1.6925257 (down) = twips; / 15 = pixels.
        LoginDialog d;
        QCOMPARE(d.lblLabels(0)->geometry(), QRect(7, 17, 77, 30));
        QCOMPARE(d.txtUserName()->geometry(), QRect(92, 15, 165, 39));
        QCOMPARE(d.lblLabels(1)->geometry(), QRect(7, 61, 77, 30));
        QCOMPARE(d.txtPassword()->geometry(), QRect(92, 59, 165, 39));
        QCOMPARE(d.cmdOK()->geometry(), QRect(35, 115, 81, 44));
        QCOMPARE(d.cmdCancel()->geometry(), QRect(149, 115, 81, 44));
        // The stated client area (250 x 103) would cut the buttons off; it
        // grows to hold every control, and never shrinks below the stated size.
        QVERIFY(d.width() >= 250 && d.height() >= 103);
        for (QWidget* w : {static_cast<QWidget*>(d.txtUserName()), static_cast<QWidget*>(d.cmdCancel()),
                           static_cast<QWidget*>(d.cmdOK())})
            QVERIFY2(d.rect().contains(w->geometry()), qPrintable(w->objectName()));
    }

    void rightPairOpens() {
        LoginDialog d;
        MessageLog log;
        d.showMessage = log.function();
        EndCounter end;
        d.endProgram = end.function();
        QSignalSpy opened(&d, &LoginDialog::loggedIn);
        d.show();
        attempt(d, QStringLiteral("kavel"), QStringLiteral("qorvemtz"));
        QCOMPARE(opened.count(), 1);
        QVERIFY(!d.isVisible());
        QVERIFY(log.messages.empty());
        QCOMPARE(end.ends, 0);
    }

    void wrongPair_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::newRow("capital user") << "Kavel" << "qorvemtz";
        QTest::newRow("space before user") << " kavel" << "qorvemtz";
        QTest::newRow("space after user") << "kavel " << "qorvemtz";
        QTest::newRow("other user") << "admin" << "qorvemtz";
        QTest::newRow("capital password") << "kavel" << "QORVEMTZ";
        QTest::newRow("space after password") << "kavel" << "qorvemtz ";
        QTest::newRow("short password") << "kavel" << "qorvemt";
        QTest::newRow("both empty") << "" << "";
        QTest::newRow("swapped") << "qorvemtz" << "kavel";
    }

    void wrongPair() {
        QFETCH(QString, user);
        QFETCH(QString, password);
        LoginDialog d;
        MessageLog log;
        d.showMessage = log.function();
        EndCounter end;
        d.endProgram = end.function();
        QSignalSpy opened(&d, &LoginDialog::loggedIn);
        d.show();
        d.txtUserName()->setFocus();
        attempt(d, user, password);
        QCOMPARE(opened.count(), 0);
        QVERIFY(d.isVisible());
        QCOMPARE(log.messages.size(), std::size_t{1});
        QCOMPARE(log.messages[0], (Message{QStringLiteral("无效的密码，请重试!"), QStringLiteral("登录")}));
        QCOMPARE(d.txtPassword()->text(), QString());
        QCOMPARE(d.txtUserName()->text(), user);
        QCOMPARE(d.focusWidget(), d.txtPassword());
        QCOMPARE(end.ends, 0);
    }

    void passwordIsClearedAfterTheMessage() {
        LoginDialog d;
        QString passwordWhileShown;
        d.showMessage = [&](const QString&, const QString&) { passwordWhileShown = d.txtPassword()->text(); };
        attempt(d, QStringLiteral("kavel"), QStringLiteral("wrong"));
        QCOMPARE(passwordWhileShown, QStringLiteral("wrong"));
        QCOMPARE(d.txtPassword()->text(), QString());
    }

    void retriesAreUnlimited() {
        LoginDialog d;
        MessageLog log;
        d.showMessage = log.function();
        QSignalSpy opened(&d, &LoginDialog::loggedIn);
        d.show();
        for (int i = 0; i < 25; ++i) attempt(d, QStringLiteral("kavel"), QStringLiteral("guess%1").arg(i));
        QCOMPARE(log.messages.size(), std::size_t{25});
        QCOMPARE(opened.count(), 0);
        // The user name stays; only the password is typed again.
        d.txtPassword()->setText(QStringLiteral("qorvemtz"));
        QTest::mouseClick(d.cmdOK(), Qt::LeftButton);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(log.messages.size(), std::size_t{25});
    }

    void enterActsAsOkInEitherBox() {
        for (int box = 0; box < 2; ++box) {
            LoginDialog d;
            MessageLog log;
            d.showMessage = log.function();
            QSignalSpy opened(&d, &LoginDialog::loggedIn);
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            QLineEdit* target = box == 0 ? d.txtUserName() : d.txtPassword();
            d.txtUserName()->setText(QStringLiteral("kavel"));
            d.txtPassword()->setText(QStringLiteral("nope"));
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Return);
            QCOMPARE(log.messages.size(), std::size_t{1});
            d.txtPassword()->setText(QStringLiteral("qorvemtz"));
            QTest::keyClick(d.txtPassword(), Qt::Key_Enter);
            QCOMPARE(opened.count(), 1);
        }
    }

    void cancelEscAndFrameEndTheProgram() {
        for (int way = 0; way < 3; ++way) {
            LoginDialog d;
            EndCounter end;
            d.endProgram = end.function();
            QSignalSpy opened(&d, &LoginDialog::loggedIn);
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            if (way == 0) QTest::mouseClick(d.cmdCancel(), Qt::LeftButton);
            if (way == 1) QTest::keyClick(d.txtUserName(), Qt::Key_Escape);
            if (way == 2) d.close();
            QCOMPARE(end.ends, 1);
            QVERIFY(!d.isVisible());
            QCOMPARE(opened.count(), 0);
        }
    }

    void flowOpensTheMainWindowMaximizedOnce() {
        AppFlow flow;
        EndCounter end;
        flow.endProgram = end.function();
        flow.start();
        QVERIFY(flow.login().isVisible());
        QVERIFY(flow.mainWindow() == nullptr);
        attempt(flow.login(), QStringLiteral("kavel"), QStringLiteral("qorvemtz"));
        QVERIFY(flow.mainWindow() != nullptr);
        QVERIFY(flow.mainWindow()->isVisible());
        QVERIFY(flow.mainWindow()->windowState() & Qt::WindowMaximized);
        QVERIFY(!flow.login().isVisible());
        // Closing the main window from its frame ends the program.
        flow.mainWindow()->close();
        QCOMPARE(end.ends, 1);
    }
};

QTEST_MAIN(LoginTest)
#include "test_login.moc"
