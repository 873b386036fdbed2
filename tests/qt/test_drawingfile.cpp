// Drawing files in the main window: the 文件 menu, the caption, the question
// before leaving on both exit buttons and on closing from the frame, and a
// drawing named on the command line opened after the login.
#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "AboutDialog.h"
#include "AppFlow.h"
#include "FontSetup.h"
#include "LoginDialog.h"
#include "MainWindow.h"
#include "document/Document.h"
#include "sheet/Ladder.h"
#include "simulation/SimulationSession.h"
#include "UiTestSupport.h"
#include "document/DrawingWriter.h"

using namespace lp;
using lp::test::Answers;
using lp::test::EndCounter;
using lp::test::MessageLog;

namespace {

struct Window {
    MainWindow w;
    Answers answers;
    MessageLog log;
    EndCounter end;
    QList<SaveChoice> choices;  // answers to the question, in turn
    QStringList questions;
    QStringList paths;  // answers to the file dialogs, in turn ("" cancels)
    QTemporaryDir dir;

    Window() {
        w.userInterface().askText = answers.function();
        w.userInterface().showMessage = log.function();
        w.userInterface().askSave = [this](const QString& text, const QString&) {
            questions << text;
            return choices.isEmpty() ? SaveChoice::Cancel : choices.takeFirst();
        };
        const auto path = [this](const QString&, const QString&) {
            return paths.isEmpty() ? QString() : paths.takeFirst();
        };
        w.userInterface().askOpenFile = path;
        w.userInterface().askSaveFile = path;
        w.leaveProgram = end.function();
        w.show();
        if (!QTest::qWaitForWindowExposed(&w)) qWarning("the window was not exposed");
    }
    QString file(const QString& name) const { return dir.filePath(name); }
    void drawRung() {
        answers.replies << QStringLiteral("X01") << QStringLiteral("Y01");
        w.controller().click(1);
        w.controller().click(9);
        w.controller().click(11);
    }
    void saveAs(const QString& path) {
        paths << path;
        w.controller().menuCommand(MenuCommand::SaveDrawingAs);
    }
    bool left() const { return w.aboutDialog() && w.aboutDialog()->isVisible() && !w.isVisible(); }
};

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class DrawingFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void theFileMenuOffersItsThreeCommands() {
        Window t;
        QMenu* menu = t.w.menuBar()->findChildren<QMenu*>().value(0);
        QVERIFY(menu);
        QCOMPARE(menu->title(), QStringLiteral("文件(&F)"));
        const QList<QPair<MenuCommand, QString>> items = {{MenuCommand::OpenDrawing, "Ctrl+O"},
                                                          {MenuCommand::SaveDrawing, "Ctrl+S"},
                                                          {MenuCommand::SaveDrawingAs, "Ctrl+Shift+S"}};
        for (const auto& [command, keys] : items) {
            QAction* a = t.w.menuAction(command);
            QVERIFY(a);
            QVERIFY(a->isEnabled());
            QCOMPARE(a->shortcut(), QKeySequence(keys));
        }
        QCOMPARE(t.w.menuAction(MenuCommand::OpenDrawing)->text(), QStringLiteral("打开图纸(&O)..."));
        QCOMPARE(t.w.menuAction(MenuCommand::SaveDrawing)->text(), QStringLiteral("保存图纸(&S)"));
        QCOMPARE(t.w.menuAction(MenuCommand::SaveDrawingAs)->text(), QStringLiteral("图纸另存为(&A)..."));
    }

    void saveAndOpenFollowTheCaption() {
        Window t;
        QCOMPARE(t.w.windowTitle(), QStringLiteral("梯形图编辑器"));
        t.drawRung();
        QCOMPARE(t.w.windowTitle(), QStringLiteral("梯形图编辑器 *"));
        // Save with no file asks for one.
        t.paths << t.file("一.lad");
        t.w.menuAction(MenuCommand::SaveDrawing)->trigger();
        QCOMPARE(t.w.windowTitle(), QStringLiteral("梯形图编辑器 - 一.lad"));
        QCOMPARE(bytesOf(t.file("一.lad")), QByteArray::fromStdString(writeDrawing(captureDrawing(t.w.controller().ladder()))));
        // Typing in the list box marks the caption.
        t.w.Text1()->setPlainText(QStringLiteral("typed"));
        QCOMPARE(t.w.windowTitle(), QStringLiteral("梯形图编辑器 - 一.lad *"));
        t.w.controller().menuCommand(MenuCommand::SaveDrawing);
        QCOMPARE(t.w.windowTitle(), QStringLiteral("梯形图编辑器 - 一.lad"));
        QVERIFY(bytesOf(t.file("一.lad")).contains("Text1 \"typed\""));

        // Another window opens it as it was.
        Window u;
        u.paths << t.file("一.lad");
        u.w.controller().menuCommand(MenuCommand::OpenDrawing);
        QCOMPARE(u.w.windowTitle(), QStringLiteral("梯形图编辑器 - 一.lad"));
        QCOMPARE(u.w.Text1()->toPlainText(), QStringLiteral("typed"));
        QCOMPARE(u.w.controller().ladder().palette.enabledString(), t.w.controller().ladder().palette.enabledString());
        for (int n = 1; n <= 22; ++n) QCOMPARE(u.w.Command(n)->isEnabled(), t.w.Command(n)->isEnabled());
        QCOMPARE(u.w.controller().ladder().picture, t.w.controller().ladder().picture);
        QVERIFY(u.log.messages.empty());
    }

    void aRefusedFileLeavesTheWindowAsItWas() {
        Window t;
        t.drawRung();
        QFile bad(t.file("bad.lad"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("LadderPad drawing 9\n");
        bad.close();
        const std::vector<std::string> picture = t.w.controller().ladder().picture;
        // The drawing on screen is not saved: opening asks first.
        t.choices << SaveChoice::DontSave;
        t.paths << t.file("bad.lad");
        t.w.controller().menuCommand(MenuCommand::OpenDrawing);
        QCOMPARE(t.questions.size(), 1);
        QCOMPARE(t.log.messages.size(), std::size_t{1});
        QVERIFY(t.log.messages[0].text.contains(QStringLiteral("第 1 行")));
        QCOMPARE(t.w.controller().ladder().picture, picture);
        QCOMPARE(t.w.windowTitle(), QStringLiteral("梯形图编辑器 *"));
    }

    void noQuestionWhenNothingChanged() {
        Window t;
        t.w.controller().click(14);
        QVERIFY(t.left());
        QVERIFY(t.questions.isEmpty());
        Window u;
        u.drawRung();
        u.saveAs(u.file("a.lad"));
        u.w.controller().click(14);
        QVERIFY(u.left());
        QVERIFY(u.questions.isEmpty());
    }

    void cancelStaysInTheWindow() {
        Window t;
        t.drawRung();
        const DrawingState before = captureDrawing(t.w.controller().ladder());
        t.choices << SaveChoice::Cancel;
        t.w.controller().click(14);
        QCOMPARE(t.questions, QStringList{QStringLiteral("图纸已修改，是否保存？")});
        QVERIFY(!t.left());
        QVERIFY(t.w.isVisible());
        QVERIFY(sameDrawing(t.w.controller().ladder(), before));
        QVERIFY(t.w.Command(1)->isEnabled());
    }

    void dontSaveGoesOnWithoutSaving() {
        Window t;
        t.drawRung();
        t.saveAs(t.file("a.lad"));
        const QByteArray saved = bytesOf(t.file("a.lad"));
        t.answers.replies << QStringLiteral("X02");
        t.w.controller().click(1);
        t.choices << SaveChoice::DontSave;
        t.w.controller().click(14);
        QVERIFY(t.left());
        QCOMPARE(bytesOf(t.file("a.lad")), saved);
    }

    void saveAsksForAFileThenGoesOn() {
        Window t;
        t.drawRung();
        t.choices << SaveChoice::Save;
        t.paths << t.file("new.lad");
        t.w.controller().click(14);
        QVERIFY(t.left());
        QCOMPARE(bytesOf(t.file("new.lad")), QByteArray::fromStdString(writeDrawing(captureDrawing(t.w.controller().ladder()))));
        // A save that does not happen (the dialog cancelled) stays.
        Window u;
        u.drawRung();
        u.choices << SaveChoice::Save;
        u.w.controller().click(14);
        QVERIFY(!u.left());
    }

    void theExportRowsExitAsksToo() {
        Window t;
        t.drawRung();
        t.w.controller().click(22);
        t.w.controller().click(13);
        QVERIFY(t.w.Command(20)->isVisible());
        t.choices << SaveChoice::Cancel << SaveChoice::DontSave;
        t.w.controller().click(20);
        QVERIFY(!t.left());
        t.w.controller().click(20);
        QVERIFY(t.left());
        QCOMPARE(t.questions.size(), 2);
    }

    void closingFromTheFrameAsks() {
        Window t;
        t.drawRung();
        t.choices << SaveChoice::Cancel;
        t.w.close();
        QVERIFY(t.w.isVisible());
        QCOMPARE(t.end.ends, 0);
        t.choices << SaveChoice::Save;
        t.paths << t.file("closed.lad");
        t.w.close();
        QCOMPARE(t.end.ends, 1);
        QVERIFY(QFile::exists(t.file("closed.lad")));
    }

    void theRealQuestionHasItsThreeButtons() {
        MainWindow w;
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->text(), QStringLiteral("图纸已修改，是否保存？"));
            QCOMPARE(box->windowTitle(), QStringLiteral("梯形图编辑器"));
            QStringList texts;
            for (QAbstractButton* b : box->buttons()) texts << b->text();
            texts.sort();
            QStringList want{QStringLiteral("保存"), QStringLiteral("不保存"), QStringLiteral("取消")};
            want.sort();
            QCOMPARE(texts, want);
            QCOMPARE(box->defaultButton()->text(), QStringLiteral("保存"));
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QStringLiteral("不保存")) b->click();
        });
        QCOMPARE(w.userInterface().askSaveChanges("图纸已修改，是否保存？", "梯形图编辑器"),
                 UserInterface::SaveAnswer::DontSave);
        QTimer::singleShot(0, [] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(w.userInterface().askSaveChanges("图纸已修改，是否保存？", "梯形图编辑器"),
                 UserInterface::SaveAnswer::Cancel);
    }

    void theRealFileDialogShowsDrawingsOnly() {
        MainWindow w;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("梯形图 (*.lad)")});
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("lad"));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("图纸另存为"));
            dialog->reject();
        });
        QCOMPARE(w.userInterface().askSavePath("图纸另存为", ""), std::string());
    }

    void aDrawingOnTheCommandLineOpensAfterTheLogin() {
        Window t;
        t.drawRung();
        t.saveAs(t.file("start.lad"));
        AppFlow flow;
        EndCounter end;
        flow.endProgram = end.function();
        flow.drawingToOpen = t.file("start.lad").toStdString();
        flow.start();
        flow.login().txtUserName()->setText(QStringLiteral("kavel"));
        flow.login().txtPassword()->setText(QStringLiteral("qorvemtz"));
        QTest::mouseClick(flow.login().cmdOK(), Qt::LeftButton);
        QVERIFY(flow.mainWindow());
        QTRY_COMPARE(flow.mainWindow()->windowTitle(), QStringLiteral("梯形图编辑器 - start.lad"));
        QCOMPARE(flow.mainWindow()->controller().ladder().picture, t.w.controller().ladder().picture);
    }
};

QTEST_MAIN(DrawingFileTest)
#include "test_drawingfile.moc"
