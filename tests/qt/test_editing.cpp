// What the 编辑 and 文件 menus add to the window: undo and redo from their
// keys, renaming by a double click on a name, the recent drawings, and the
// drawing's picture as PNG.
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "MainWindow.h"
#include "PicturePainter.h"
#include "SheetView.h"
#include "UiTestSupport.h"
#include "sheet/Ladder.h"

using namespace lp;

class EditingTest : public QObject {
    Q_OBJECT

    struct Window {
        MainWindow w;
        test::Answers answers;
        test::MessageLog log;
        QStringList defaults;  // the text each prompt began with
        Window() {
            auto ask = answers.function();
            w.userInterface().askText = [this, ask](const QString& prompt, const QString& title, const QString& text) {
                defaults << text;
                return ask(prompt, title, text);
            };
            w.userInterface().showMessage = log.function();
            w.leaveProgram = [] {};
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
        }
        // X01, /X02 into Y01, line feed, END.
        void draw() {
            answers.replies << "X01" << "X02" << "Y01";
            for (int n : {1, 6, 9, 11, 22}) QTest::mouseClick(w.Command(n), Qt::LeftButton);
        }
    };

private slots:
    void ctrlZUndoesTheDrawingButTheTypingInText1() {
        Window t;
        t.draw();
        QTest::mouseClick(t.w.Command(13), Qt::LeftButton);  // 转换
        QVERIFY(t.w.Command(19)->isVisible());
        t.w.Picture1()->setFocus();
        QTest::keyClick(&t.w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(t.w.Command(13)->isVisible() && t.w.Command(13)->isEnabled());
        QCOMPARE(t.w.menuAction(MenuCommand::Redo)->text(), QStringLiteral("重做 转换(&R)"));
        QTest::keyClick(&t.w, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(t.w.Command(19)->isVisible());

        // In Text1 the keys undo the typing there, not the drawing.
        t.w.Text1()->setFocus();
        QTest::keyClicks(t.w.Text1(), QStringLiteral("abc"));
        QTest::keyClick(t.w.Text1(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(t.w.Command(19)->isVisible());
        QVERIFY(!t.w.Text1()->toPlainText().endsWith(QStringLiteral("abc")));
    }

    void doubleClickOnANameRenamesItWithTheOldNameOffered() {
        Window t;
        t.draw();
        SheetView* sheet = t.w.Picture1();
        // X01 stands on the first printed line from display column 4.
        const QPointF at = sheet->cellOrigin(0, 5) + QPointF(1, 1);
        t.answers.replies << "X10";
        QTest::mouseDClick(sheet->viewport(), Qt::LeftButton, {}, at.toPoint());
        QCOMPARE(t.defaults.last(), QStringLiteral("X01"));
        QVERIFY(sheet->line(0).contains(QStringLiteral("X10")));
        QCOMPARE(t.w.menuAction(MenuCommand::Undo)->text(), QStringLiteral("撤销 重命名器件(&U)"));
    }

    void savedDrawingsAreOfferedAgainNewestFirst() {
        QTemporaryDir folder;
        Window t;
        t.draw();
        QVERIFY(t.w.controller().saveTo(folder.filePath(QStringLiteral("a.lad")).toStdString()));
        QVERIFY(t.w.controller().saveTo(folder.filePath(QStringLiteral("b.lad")).toStdString()));
        const QList<QAction*> items = t.w.recentMenu()->actions();
        QVERIFY(items.size() >= 2);
        QVERIFY(items.at(0)->text().startsWith(QStringLiteral("&1 b.lad")));
        QVERIFY(items.at(1)->text().startsWith(QStringLiteral("&2 a.lad")));
        QVERIFY(t.w.recentMenu()->isEnabled());
    }

    void thePictureAsPngHasTheSheetsProportions() {
        QTemporaryDir folder;
        Window t;
        t.draw();
        const Picture picture = t.w.controller().picture();
        const QString path = folder.filePath(QStringLiteral("drawing.png"));
        QCOMPARE(writePicturePng(picture, path), QString());
        const QImage image(path);
        QCOMPARE(image.width(), static_cast<int>(std::ceil(picture.width * 2)));
        QCOMPARE(image.height(), static_cast<int>(std::ceil(picture.height * 2)));
        // Black ink on white: the rails and the names are drawn.
        int dark = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) dark += qGray(image.pixel(x, y)) < 96;
        QVERIFY(dark > 200);
        QVERIFY(writePicturePng(picture, folder.filePath(QStringLiteral("missing/drawing.png"))) != QString());
    }

    void thePdfHoldsTheNamesAndTheListAsText() {
        QTemporaryDir folder;
        Window t;
        t.draw();
        QTest::mouseClick(t.w.Command(13), Qt::LeftButton);  // 转换
        const QString path = folder.filePath(QStringLiteral("drawing.pdf"));
        QCOMPARE(writePicturePdf(t.w.controller().picture(), path), QString());
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        if (!text.waitForFinished(20000) || text.exitCode() != 0) QSKIP("pdftotext is not there to read the PDF");
        const QString read = QString::fromUtf8(text.readAllStandardOutput());
        for (const char* expected : {"X01", "X02", "Y01", "LD", "ANI", "OUT", "END"})
            QVERIFY2(read.contains(QLatin1String(expected)), expected);
    }
};

QTEST_MAIN(EditingTest)
#include "test_editing.moc"
