// The main window: its controls as created, the start states, Form_Activate
// running once, each press mirrored from the core, Text1 both ways, and the
// ways out.
#include <QMenuBar>
#include <QFile>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "AboutDialog.h"
#include "FontSetup.h"
#include "MainWindow.h"
#include "document/Document.h"
#include "sheet/Ladder.h"
#include "simulation/SimulationSession.h"
#include "SheetView.h"
#include "UiTestSupport.h"
#include "sheet/Glyphs.h"

using namespace lp;
using lp::test::Answers;
using lp::test::EndCounter;
using lp::test::MessageLog;

namespace {

// "1" for each shown button that is enabled, Command1..Command22.
QString enabledOf(const MainWindow& w) {
    QString s;
    for (int n = 1; n <= 22; ++n) s += w.Command(n)->isEnabled() ? '1' : '0';
    return s;
}

// Visibility of Command13, Command14, Command19, Command20.
QString bottomRowOf(const MainWindow& w) {
    QString s;
    for (int n : {13, 14, 19, 20}) s += w.Command(n)->isVisible() ? '1' : '0';
    return s;
}

// The same two strings from the core's palette.
QString coreEnabled(MainWindow& w) { return QString::fromStdString(w.controller().ladder().palette.enabledString()); }
QString coreVisible(MainWindow& w) { return QString::fromStdString(w.controller().ladder().palette.visibleString()); }

struct Window {
    MainWindow w;
    Answers answers;
    MessageLog log;
    EndCounter end;
    Window() {
        w.userInterface().askText = answers.function();
        w.userInterface().showMessage = log.function();
        w.leaveProgram = end.function();
    }
    void show() {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void captionIconAndRestoredSize() {
        MainWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("梯形图编辑器"));
        QVERIFY(!w.windowIcon().isNull());
        QCOMPARE(MainWindow::restoredClientSize(), QSize(792, 573));
        QCOMPARE(w.clientArea()->size(), QSize(792, 573));
        // The menu bar sits above the client area, which keeps every control.
        QCOMPARE(w.clientArea()->y(), w.menuBar()->height());
        QCOMPARE(w.size(), QSize(792, 573 + w.menuBar()->height()));
    }

    void startStatesOfPaletteAndBottomRow() {
        Window t;
        t.show();
        // Form_Load: rail contacts and END; 14, 17, 20 untouched (enabled).
        QCOMPARE(enabledOf(t.w), QStringLiteral("1111000000000100100101"));
        QCOMPARE(bottomRowOf(t.w), QStringLiteral("1100"));
    }

    void captionsOfTheButtons() {
        MainWindow w;
        const QStringList captions{
            "┣┥  ┝━", "┣┥╱┝━", "┣┥  ┝┛", "┣┥╱┝┛", "━┥  ┝━", "━┥╱┝━", "━┥  ┝┛", "━┥╱┝┛",
            "━（  ）━┫", "后退一步", "回车换行", "重新编辑", "转换", "退出", "━━━━━", "━━━━┛",
            "显示图形", "空 位 键", "生成 *.txt 文件", "退出", "┗（  ）━┫", "┣━(END)"};
        for (int n = 1; n <= 22; ++n) QCOMPARE(w.Command(n)->text(), captions[n - 1]);
        QCOMPARE(w.Label1()->text(), QStringLiteral("元器件库"));
        QVERIFY(w.Label1()->alignment() & Qt::AlignHCenter);
        QVERIFY(w.Text1()->toPlainText().isEmpty());
    }

    void fontsAsDefined() {
        MainWindow w;
        auto check = [](QWidget* c, const QString& family, double points, bool bold, const QString& resolved) {
            QCOMPARE(c->font().family(), family);
            QCOMPARE(c->font().pointSizeF(), points);
            QCOMPARE(c->font().bold(), bold);
            QCOMPARE(QFontInfo(c->font()).family(), resolved);
        };
        check(w.Command(1), "宋体", 12, true, "AR PL UMing CN");
        check(w.Command(21), "宋体", 12, true, "AR PL UMing CN");
        check(w.Command(10), "楷体_GB2312", 15, true, "AR PL UKai CN");
        check(w.Command(22), "楷体_GB2312", 15, true, "AR PL UKai CN");
        check(w.Command(13), "隶书", 21.75, true, "WenQuanYi Zen Hei Mono");
        check(w.Command(14), "隶书", 21.75, true, "WenQuanYi Zen Hei Mono");
        check(w.Command(19), "宋体", 15.75, true, "AR PL UMing CN");
        check(w.Command(20), "宋体", 15.75, true, "AR PL UMing CN");
        check(w.Text1(), "宋体", 14.25, false, "AR PL UMing CN");
        check(w.Label1(), "楷体_GB2312", 15.75, true, "AR PL UKai CN");
        QVERIFY(w.Label1()->font().underline());
    }

    void geometryInTwips() {
        MainWindow w;
        QCOMPARE(w.Picture2()->geometry(), QRect(728, 8, 281, 398));
        QCOMPARE(w.Text1()->geometry(), QRect(728, 408, 281, 265));
        QCOMPARE(w.Label1()->geometry(), QRect(88, 8, 97, 25));
        QCOMPARE(w.Command(1)->geometry(), QRect(16, 40, 113, 33));
        QCOMPARE(w.Command(22)->geometry(), QRect(144, 320, 113, 33));
        QCOMPARE(w.Command(12)->geometry(), QRect(16, 360, 113, 33));
        QCOMPARE(w.Command(1)->parentWidget(), w.Picture2());
        QCOMPARE(w.Command(13)->geometry(), QRect(768, 680, 113, 33));
        QCOMPARE(w.Command(14)->geometry(), QRect(888, 680, 113, 33));
        QCOMPARE(w.Command(19)->geometry(), QRect(728, 680, 185, 33));
        QCOMPARE(w.Command(20)->geometry(), QRect(920, 680, 81, 33));
        QCOMPARE(w.Command(13)->parentWidget(), w.clientArea());
    }

    void picture1IsDockedLeftOverTheFullHeight() {
        MainWindow w;
        w.show();
        for (QSize size : {QSize(1400, 900), QSize(600, 300), QSize(792, 573)}) {
            w.resize(size);
            QCOMPARE(w.Picture1()->geometry(), QRect(0, 0, 721, size.height() - w.menuBar()->height()));
            // Nothing else moves.
            QCOMPARE(w.Picture2()->geometry(), QRect(728, 8, 281, 398));
        }
    }

    void tabOrder() {
        MainWindow w;
        QStringList expected{"Picture1", "Picture2"};
        for (int n = 1; n <= 18; ++n) expected << QStringLiteral("Command%1").arg(n);
        expected << "Text1";
        for (int n = 19; n <= 22; ++n) expected << QStringLiteral("Command%1").arg(n);
        QStringList seen;
        QWidget* c = w.Picture1();
        for (int guard = 0; guard < 200 && seen.size() < expected.size(); ++guard, c = c->nextInFocusChain())
            if (expected.contains(c->objectName()) && !seen.contains(c->objectName())) seen << c->objectName();
        QCOMPARE(seen, expected);
    }

    void firstShowClearsTheSheetOnce() {
        Window t;
        t.w.controller().ladder().sheet.setCell(4, 3, glyph::h);  // left over from before the show
        t.show();
        QCOMPARE(t.w.controller().ladder().sheet.cell(4, 3), std::string(glyph::blank));
        QCOMPARE(t.w.Picture1()->lineCount(), 2);
        QCOMPARE(t.w.Picture1()->line(0), QString(146, ' '));
    }

    void laterActivationsKeepTheDiagram() {
        Window t;
        t.show();
        t.answers.replies << "X01";
        t.w.controller().click(1);
        QCOMPARE(t.w.controller().ladder().sheet.cell(2, 1), std::string(glyph::vr));
        const QString before = t.w.Picture1()->line(1);
        // Activations from other programs, a modal box ending, hide and show.
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&t.w, &activate);
        t.w.hide();
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        t.w.activateWindow();
        QApplication::sendEvent(&t.w, &activate);
        QCOMPARE(t.w.controller().ladder().sheet.cell(2, 1), std::string(glyph::vr));
        QCOMPARE(t.w.controller().ladder().sheet.cell(1, 2), std::string("X01"));
        QCOMPARE(t.w.Picture1()->line(1), before);
        QCOMPARE(enabledOf(t.w), coreEnabled(t.w));
    }

    void thePromptSeesThePaletteAlreadySet() {
        Window t;
        t.show();
        QString enabledBehindPrompt;
        QString coreBehindPrompt;
        t.answers.onPrompt = [&] {
            enabledBehindPrompt = enabledOf(t.w);
            coreBehindPrompt = coreEnabled(t.w);
        };
        t.answers.replies << "X01";
        t.w.controller().click(1);
        QCOMPARE(t.answers.titles, QStringList{"输入器件名称"});
        // The rail contact sets its states before it prompts; the window
        // behind the prompt shows them, not the start states.
        QCOMPARE(enabledBehindPrompt, coreBehindPrompt);
        QVERIFY(enabledBehindPrompt != QStringLiteral("1111000000000100100101"));
        QCOMPARE(t.answers.unanswered, 0);
    }

    void eachPressMirrorsTheCore() {
        Window t;
        t.show();
        // Typical first rung: X01, series X02, coil Y01, line feed.
        t.answers.replies << "X01" << "X02" << "Y01";
        for (int n : {1, 5, 9, 11}) {
            t.w.controller().click(n);
            QCOMPARE(enabledOf(t.w), coreEnabled(t.w));
            QCOMPARE(bottomRowOf(t.w), coreVisible(t.w));
            const auto& picture = t.w.controller().ladder().picture;
            QCOMPARE(t.w.Picture1()->lineCount(), int(picture.size()));
            for (int i = 0; i < int(picture.size()); ++i)
                QCOMPARE(t.w.Picture1()->line(i), QString::fromStdString(picture[std::size_t(i)]));
        }
        QCOMPARE(t.w.controller().ladder().state.CurRow, 4);
        // Row 1: the margin cell, the rail's "┃", then the name over the plate.
        QCOMPARE(t.w.Picture1()->line(0).mid(2, 4), QStringLiteral("┃X01"));
        QCOMPARE(t.answers.unanswered, 0);
        QVERIFY(t.log.messages.empty());
    }

    void disabledButtonDoesNothing() {
        Window t;
        t.show();
        QVERIFY(!t.w.Command(5)->isEnabled());
        QTest::mouseClick(t.w.Command(5), Qt::LeftButton);
        QVERIFY(t.answers.prompts.isEmpty());
        QCOMPARE(t.w.controller().ladder().state.CurCol, 1);
    }

    void userEditsOfText1ReachTheCoreAndStayThroughACommand() {
        Window t;
        t.show();
        t.w.Text1()->setPlainText(QStringLiteral("LD  X01\nEND"));
        QCOMPARE(t.w.controller().ladder().Text1, std::string("LD  X01\r\nEND"));
        t.w.controller().click(17);  // "显示图形"
        QCOMPARE(t.w.controller().ladder().Text1, std::string("LD  X01\r\nEND"));
        QCOMPARE(t.w.Text1()->toPlainText(), QStringLiteral("LD  X01\nEND"));
    }

    void reEditEmptiesText1() {
        Window t;
        t.show();
        t.answers.replies << "X01";
        t.w.controller().click(1);
        t.w.Text1()->setPlainText(QStringLiteral("typed by the user"));
        QVERIFY(t.w.Command(12)->isEnabled());
        t.w.controller().click(12);
        QVERIFY(t.w.controller().ladder().Text1.empty());
        QCOMPARE(t.w.Text1()->toPlainText(), QString());
        QCOMPARE(t.w.controller().ladder().sheet.cell(2, 1), std::string(glyph::blank));
    }

    void convertShowsTheListAndExportWritesWhatText1Holds() {
        Window t;
        QTemporaryDir folder;
        t.w.controller().ladder().exportDir = folder.path().toStdString();
        t.show();
        // The typical run: X01, X02, Y01; line feed; NC X03, Y02; line feed; END.
        t.answers.replies << "X01" << "X02" << "Y01" << "X03" << "Y02";
        for (int n : {1, 5, 9, 11, 2, 9, 11, 22}) t.w.controller().click(n);
        QCOMPARE(bottomRowOf(t.w), QStringLiteral("1100"));
        t.w.controller().click(13);
        QCOMPARE(t.w.Text1()->toPlainText(), QStringLiteral("LD  X01\nAND X02\nOUT Y01\nLDI X03\nOUT Y02\nEND\n"));
        QCOMPARE(bottomRowOf(t.w), QStringLiteral("0011"));
        QVERIFY(t.log.messages.empty());
        // The user adds a line of their own; the export writes it too.
        QTextCursor end = t.w.Text1()->textCursor();
        end.movePosition(QTextCursor::End);
        end.insertText(QStringLiteral("; 注释"));
        QTest::mouseClick(t.w.Command(19), Qt::LeftButton);
        QVERIFY(t.log.messages.empty());
        QFile file(folder.filePath(QStringLiteral("生成的语句表.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray expected = QByteArray("LD  X01\r\nAND X02\r\nOUT Y01\r\nLDI X03\r\nOUT Y02\r\nEND\r\n") +
                                    QByteArray("; \xd7\xa2\xca\xcd") + QByteArray("\r\n");  // GB18030 of 注释
        QCOMPARE(file.readAll(), expected);
    }

    void refusedConversionLeavesTheWindowAsItWasAndConvertsAfterAnEdit() {
        Window t;
        t.show();
        // A rung that closes up into nothing and drives no coil, then END.
        t.answers.replies << "X01" << "X02";
        for (int n : {1, 7, 11, 22}) t.w.controller().click(n);
        t.w.Text1()->setPlainText(QStringLiteral("my notes"));
        const QString enabledBefore = enabledOf(t.w);
        t.w.controller().click(13);
        QCOMPARE(t.log.messages.size(), std::size_t{1});
        QCOMPARE(t.log.messages[0].text, QStringLiteral("第2行：该梯级没有输出线圈，无法生成语句表"));
        QCOMPARE(t.log.messages[0].caption, QStringLiteral("梯形图编辑器"));
        // Nothing is shown as a result: Text1 and the buttons as they were,
        // the list empty and every conversion mark reset.
        QCOMPARE(t.w.Text1()->toPlainText(), QStringLiteral("my notes"));
        QCOMPARE(enabledOf(t.w), enabledBefore);
        QCOMPARE(bottomRowOf(t.w), QStringLiteral("1100"));
        QVERIFY(t.w.controller().ladder().StatementList.empty());
        for (int row = 1; row <= 4; ++row)
            for (int col = 0; col <= 72; ++col) {
                QCOMPARE(t.w.controller().ladder().sheet.emitted(row, col), int16_t{0});
                QCOMPARE(t.w.controller().ladder().sheet.joined(row, col), int16_t{0});
            }
        // Step back over END, start again with a rung that has its coil:
        // this one converts.
        t.answers.replies << "X01" << "Y01";
        for (int n : {10, 12, 1, 9, 11, 22, 13}) t.w.controller().click(n);
        QCOMPARE(t.log.messages.size(), std::size_t{1});
        QCOMPARE(t.w.Text1()->toPlainText(), QStringLiteral("LD  X01\nOUT Y01\nEND\n"));
        QCOMPARE(bottomRowOf(t.w), QStringLiteral("0011"));
        QCOMPARE(t.answers.unanswered, 0);
    }

    void exitShowsTheAboutBoxAndHidesTheWindow() {
        Window t;
        t.show();
        QVERIFY(t.w.aboutDialog() == nullptr);
        t.w.controller().click(14);
        QVERIFY(t.w.aboutDialog() != nullptr);
        QVERIFY(t.w.aboutDialog()->isVisible());
        QVERIFY(!t.w.isVisible());
        QCOMPARE(t.end.ends, 0);
        // The about box's OK ends the program.
        QTest::mouseClick(t.w.aboutDialog()->cmdOK(), Qt::LeftButton);
        QCOMPARE(t.end.ends, 1);
    }

    void closingFromTheFrameEndsTheProgram() {
        Window t;
        t.show();
        t.w.close();
        QCOMPARE(t.end.ends, 1);
    }

    void realInputBoxCancelGivesEmptyText() {
        // The real input box, cancelled with Esc, answers "".
        MainWindow w;
        QTimer::singleShot(0, [] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        const std::string reply = w.userInterface().inputBox("prompt", "title");
        QCOMPARE(reply, std::string());
    }

    void realInputBoxReturnsTheTypedText() {
        MainWindow w;
        QTimer::singleShot(0, [] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("输入器件名称"));
            auto* edit = box->findChild<QLineEdit*>();
            QVERIFY(edit);
            QVERIFY(edit->text().isEmpty());  // empty default
            edit->setText(QStringLiteral("Ｙ０１"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        const std::string reply = w.userInterface().inputBox("请输入", "输入器件名称");
        QCOMPARE(QString::fromStdString(reply), QStringLiteral("Ｙ０１"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
