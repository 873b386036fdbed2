// The about box: its controls and texts, every way it ends the program, and
// the system-information button with and without a program to start.
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "AboutDialog.h"
#include "FontSetup.h"
#include "UiTestSupport.h"

using namespace lp;
using lp::test::EndCounter;
using lp::test::Message;
using lp::test::MessageLog;

namespace {

// Sets PATH for the life of the object.
class PathOverride {
public:
    explicit PathOverride(const QByteArray& path) : saved_(qgetenv("PATH")) { qputenv("PATH", path); }
    ~PathOverride() { qputenv("PATH", saved_); }

private:
    QByteArray saved_;
};

}  // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void controlsAndTexts() {
        AboutDialog d;
        QCOMPARE(d.windowTitle(), QStringLiteral("关于"));
        QCOMPARE(d.lblTitle()->text(), QStringLiteral("梯形图编辑器"));
        QCOMPARE(d.lblTitle()->font().family(), QStringLiteral("楷体_GB2312"));
        QCOMPARE(d.lblTitle()->font().pointSizeF(), 21.75);
        QVERIFY(d.lblTitle()->font().bold());
        QCOMPARE(QFontInfo(d.lblTitle()->font()).family(), QStringLiteral("AR PL UKai CN"));
        QVERIFY(d.lblTitle()->alignment() & Qt::AlignHCenter);
        QCOMPARE(d.cmdOK()->text(), QStringLiteral("确定"));
        QCOMPARE(d.cmdSysInfo()->text(), QStringLiteral("系统信息(&S)..."));
        QVERIFY(d.cmdOK()->isDefault());
        QVERIFY(d.picIcon()->pixmap().size() == QSize(16, 16));
        for (QLabel* label : {d.Label4(), d.lblDescription(), d.Label2(), d.Label3(), d.Label5(), d.lblDisclaimer()})
            QVERIFY2(!label->text().isEmpty(), qPrintable(label->objectName()));
        QVERIFY(d.Label4()->text().contains(QStringLiteral("版本")));
        QVERIFY(d.lblDisclaimer()->text().startsWith(QStringLiteral("警告")));
        QVERIFY(!(d.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(d.windowFlags() & Qt::WindowMinimizeButtonHint));
    }

    void geometryFromScaleUnitsAndEveryControlInside() {
        // units * 5850/5493.453 across and * 3540/2443.371 down = twips.
        AboutDialog d;
        QCOMPARE(d.cmdOK()->geometry(), QRect(293, 255, 106, 33));
        QCOMPARE(d.cmdSysInfo()->geometry(), QRect(294, 301, 105, 33));
        QCOMPARE(d.lblTitle()->geometry(), QRect(60, 12, 310, 46));
        for (QWidget* w : d.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(d.rect().contains(w->geometry()), qPrintable(w->objectName()));
    }

    void everyWayOutEndsTheProgram_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("click OK") << 0;
        QTest::newRow("Enter") << 1;
        QTest::newRow("Esc") << 2;
        QTest::newRow("close from the frame") << 3;
    }

    void everyWayOutEndsTheProgram() {
        QFETCH(int, way);
        AboutDialog d;
        EndCounter end;
        d.endProgram = end.function();
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        switch (way) {
        case 0: QTest::mouseClick(d.cmdOK(), Qt::LeftButton); break;
        case 1: QTest::keyClick(&d, Qt::Key_Return); break;
        case 2: QTest::keyClick(&d, Qt::Key_Escape); break;
        case 3: d.close(); break;
        }
        QCOMPARE(end.ends, 1);
        QVERIFY(!d.isVisible());
    }

    void sysInfoWithNoProgramSaysSo() {
        QTemporaryDir empty;
        PathOverride path(empty.path().toLocal8Bit());
        AboutDialog d;
        EndCounter end;
        d.endProgram = end.function();
        MessageLog log;
        d.userInterface().showMessage = log.function();
        d.show();
        QTest::mouseClick(d.cmdSysInfo(), Qt::LeftButton);
        QCOMPARE(log.messages.size(), std::size_t{1});
        QCOMPARE(log.messages[0], (Message{QStringLiteral("此时系统信息不可用"), QStringLiteral("梯形图编辑器")}));
        QVERIFY(d.isVisible());  // the about box stays open
        QCOMPARE(end.ends, 0);
    }

    void sysInfoStartsTheProgramFound() {
        QTemporaryDir bin;
        const QString marker = bin.filePath(QStringLiteral("started"));
        QFile script(bin.filePath(QStringLiteral("hardinfo")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        PathOverride path((bin.path() + QStringLiteral(":/usr/bin:/bin")).toLocal8Bit());
        AboutDialog d;
        MessageLog log;
        d.userInterface().showMessage = log.function();
        QTest::mouseClick(d.cmdSysInfo(), Qt::LeftButton);
        QVERIFY(log.messages.empty());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 5000);
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
