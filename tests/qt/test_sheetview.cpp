// The sheet view: the half-width column grid, its font, keeping and
// repainting what was printed, and scrolling to the cursor's rung.
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include "DisplayColumns.h"
#include "FontSetup.h"
#include "SheetView.h"
#include "texts/StrokeWeight.h"
#include "sheet/Glyphs.h"
#include "sheet/Ladder.h"

using namespace lp;

namespace {

class SilentUi : public UserInterface {
public:
    std::string inputBox(const std::string&, const std::string&) override { return {}; }
    void messageBox(const std::string&, const std::string&) override {}
};

// Column where the character printed for cell `col` of a row starts, found
// by walking the placed characters: cells are concatenated with nothing in
// between, so the row's text up to that cell tells where it begins.
int columnOfCell(const Sheet& sheet, int row, int col) {
    QString before;
    for (int c = 0; c < col; ++c) before += QString::fromStdString(sheet.cell(row, c));
    return displayColumns(before);
}

// Number of pixels in a rectangle that are not the background colour.
int inkIn(const QImage& image, QRect r) {
    const QRgb background = image.pixel(image.width() - 3, image.height() - 3);
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.valid(x, y) && image.pixel(x, y) != background) ++ink;
    return ink;
}

// What the view's viewport shows on the screen now, after the pending
// repaints: unlike grab(), which paints the whole view afresh, this is what
// the partial repaints left in the window.
QImage onScreen(SheetView& view) {
    QCoreApplication::processEvents();
    const QPoint at = view.viewport()->mapTo(&view, QPoint(0, 0));
    const QSize size = view.viewport()->size();
    return view.screen()->grabWindow(view.winId(), at.x(), at.y(), size.width(), size.height()).toImage();
}

// A view of the given size, on the screen, showing `picture`.
struct ShownView {
    SheetView view;
    ShownView(QSize size, const std::vector<std::string>& picture) {
        view.resize(size);
        view.show();
        view.showPicture(picture);
    }
};

}  // namespace

class SheetViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void widthRule() {
        QCOMPARE(displayWidth(U'A'), 1);
        QCOMPARE(displayWidth(U' '), 1);
        QCOMPARE(displayWidth(U'~'), 1);
        QCOMPARE(displayWidth(U'\t'), 2);   // not printable ASCII
        QCOMPARE(displayWidth(0x7F), 2);
        QCOMPARE(displayWidth(U'┃'), 2);
        QCOMPARE(displayWidth(U'（'), 2);
        QCOMPARE(displayWidth(U'Ｘ'), 2);
        QCOMPARE(displayWidth(U'é'), 2);
        QCOMPARE(displayWidth(0x1F600), 2);
        QCOMPARE(displayColumns(u"┣┫  ┣━"), 10);
        QCOMPARE(displayColumns(u"X01 "), 4);
        QCOMPARE(displayColumns(u"END     "), 8);
        // A character outside the basic plane is one character of two columns.
        const QString emoji = QString::fromUcs4(U"\U0001F600a");
        const auto placed = placeLine(emoji);
        QCOMPARE(placed.size(), std::size_t{2});
        QCOMPARE(placed[0].codePoint, char32_t{0x1F600});
        QCOMPARE(placed[0].units(), 2);
        QCOMPARE(placed[1].at, 2);
        QCOMPARE(placed[1].column, 2);
        // An unpaired surrogate is a character of one unit.
        const QString lone = QString(QChar(0xD800)) + QLatin1Char('b');
        const auto loose = placeLine(lone);
        QCOMPARE(loose.size(), std::size_t{2});
        QCOMPARE(loose[0].units(), 1);
        QCOMPARE(loose[1].at, 1);
        QCOMPARE(loose[1].column, 2);
    }

    void placedCharactersFollowTheirColumns() {
        const auto placed = placeLine(u"┣┫X01 ━");
        QCOMPARE(placed.size(), std::size_t{7});
        const int columns[] = {0, 2, 4, 5, 6, 7, 8};
        for (std::size_t i = 0; i < placed.size(); ++i) QCOMPARE(placed[i].column, columns[i]);
        QCOMPARE(placed[6].width, 2);
    }

    void asciiNamesKeepTheColumnsAligned() {
        SilentUi ui;
        Ladder ladder(ui);
        ladder.Form_Activate();
        // A rung: contact X01 at the rail, series X02, as the editor draws it.
        ladder.sheet.setCell(1, 2, "X01");
        ladder.sheet.setCell(1, 3, glyph::nameGap);
        ladder.sheet.setCell(1, 7, "X02");
        ladder.sheet.setCell(1, 8, glyph::nameGap);
        const std::string_view row2[] = {glyph::vr, glyph::vl, glyph::blank, glyph::vr, glyph::h,
                              glyph::h, glyph::plateL, glyph::blank, glyph::plateR, glyph::h};
        for (int c = 1; c <= 10; ++c) ladder.sheet.setCell(2, c, row2[c - 1]);
        ladder.Fresh();
        SheetView view;
        view.showPicture(ladder.picture);
        QCOMPARE(view.lineCount(), 2);
        QCOMPARE(displayColumns(view.line(0)), 146);
        QCOMPARE(displayColumns(view.line(1)), 146);
        for (int col : {2, 4, 7, 9, 30, 72})
            QCOMPARE(columnOfCell(ladder.sheet, 1, col), columnOfCell(ladder.sheet, 2, col));
        // The name stands over the contact's left plate: both start at column 4.
        const auto& names = view.placedLine(0);
        const auto x01 = std::find_if(names.begin(), names.end(), [](const PlacedChar& c) { return c.codePoint == U'X'; });
        QVERIFY(x01 != names.end());
        QCOMPARE(x01->column, 4);
    }

    void fullWidthNameRowIsThreeColumnsWider() {
        SilentUi ui;
        Ladder ladder(ui);
        ladder.Form_Activate();
        ladder.sheet.setCell(1, 2, "Ｘ０１");
        ladder.sheet.setCell(1, 3, glyph::nameGap);
        ladder.Fresh();
        SheetView view;
        view.showPicture(ladder.picture);
        QCOMPARE(displayColumns(view.line(0)), 149);
        QCOMPARE(displayColumns(view.line(1)), 146);
        // Everything after the name is shifted by three columns.
        const auto& placed = view.placedLine(0);
        QCOMPARE(placed.back().column, 148);
        // The spaces that pad the lines past the right rail do not widen it.
        QVERIFY(view.contentSize().width() < qCeil(146 * view.columnWidth()));
    }

    void sheetFontDrawsGlyphsTwoColumnsWide() {
        const QFont font = sheetFont();
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("WenQuanYi Zen Hei Mono"));
        const QFontMetricsF m(font);
        const double column = m.horizontalAdvance(QLatin1Char('0'));
        QVERIFY(column > 0);
        for (std::string_view g : {glyph::h, glyph::v, glyph::vr, glyph::vl, glyph::plateL, glyph::plateR, glyph::slash,
                              glyph::ul, glyph::ur, glyph::hu, glyph::hd, glyph::cross, glyph::parenL, glyph::parenR})
            QCOMPARE(m.horizontalAdvance(QString::fromUtf8(g.data(), qsizetype(g.size()))), 2 * column);
        QCOMPARE(m.horizontalAdvance(QStringLiteral("X01 ")), 4 * column);
    }

    void keepsWhatWasPrintedAcrossResizeAndHide() {
        SheetView view;
        view.resize(400, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // A vertical rail at column 0 and a horizontal line on line 1.
        view.showPicture({"┃", "┣━━━━", "┃"});
        const QRect railCell(2 + 1, 2 + 1, int(2 * view.columnWidth()) - 2, 3 * view.lineHeight() - 2);
        QImage first = view.viewport()->grab().toImage();
        QVERIFY(inkIn(first, railCell) > 0);
        view.resize(300, 150);
        view.hide();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QImage again = view.viewport()->grab().toImage();
        QCOMPARE(inkIn(again, railCell), inkIn(first, railCell));
        QCOMPARE(view.lineCount(), 3);
        // An empty picture paints nothing.
        view.showPicture({});
        QCOMPARE(inkIn(view.viewport()->grab().toImage(), railCell), 0);
    }

    void railsOfConsecutiveLinesMeet() {
        // A rail drawn down three lines is one unbroken line on the screen.
        SheetView view;
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.showPicture({"┃", "┣━", "┃"});
        const QImage image = view.viewport()->grab().toImage();
        const int left = int(view.cellOrigin(0, 0).x());
        const int right = int(view.cellOrigin(0, 2).x());
        const int top = int(view.cellOrigin(0, 0).y());
        const int bottom = int(view.cellOrigin(3, 0).y()) - 1;
        int gaps = 0;
        for (int y = top + 1; y < bottom - 1; ++y)
            if (inkIn(image, QRect(left, y, right - left, 1)) == 0) ++gaps;
        QCOMPARE(gaps, 0);
    }

    void paintsEveryCharacterAsDrawnAloneAtItsColumn() {
        // Box glyphs, ASCII, full-width and CJK characters, characters from a
        // fallback font, a combining mark, right-to-left letters, a tab.
        const std::vector<std::string> picture = {
            "┃X01 ┣━━╋┻┳┛┗╱┥┝（）", "Ｘ０１ 中文 é e\u0301 \u05e9\u05dc \tA ~!@#$%^&*()", "┣━━━━ END     "};
        SheetView view;
        view.resize(520, 120);
        view.showPicture(picture);
        const QImage shown = view.viewport()->grab().toImage();
        QImage drawn(shown.size(), shown.format());
        drawn.fill(view.viewport()->palette().color(QPalette::Base));
        QPainter painter(&drawn);
        painter.setFont(sheetFont());
        painter.setPen(view.palette().color(QPalette::Text));
        // The heavy strokes a pixel thicker: drawn again a pixel lower or further right.
        for (int i = 0; i < view.lineCount(); ++i) {
            const QString line = view.line(i);
            for (const PlacedChar& c : view.placedLine(i)) {
                const QPointF cell = view.cellOrigin(i, c.column);
                const QString text = line.mid(c.at, c.units());
                const char32_t code = text.toUcs4().front();
                const QPointF at(cell.x(), cell.y() + view.ascent());
                painter.drawText(at, text);
                if (hasHeavyAcross(code)) painter.drawText(at + QPointF(0, 1), text);
                if (hasHeavyDown(code)) painter.drawText(at + QPointF(1, 0), text);
            }
        }
        painter.end();
        QVERIFY(inkIn(shown, shown.rect()) > 0);
        QCOMPARE(shown, drawn);
    }

    void aNewPictureRepaintsTheLinesThatChanged() {
        const QSize size(400, 200);
        std::vector<std::string> picture = {"┃X01", "┣━━━━━━━━", "┃", "┣━━┥┝━━╱", "┃"};
        ShownView shown(size, picture);
        QVERIFY(QTest::qWaitForWindowExposed(&shown.view));
        QImage before = onScreen(shown.view);
        // One line changes its glyphs, then another becomes shorter.
        for (auto [index, text] : {std::pair{1, "┣━━╋━━┳━━"}, std::pair{3, "┣━"}}) {
            picture[std::size_t(index)] = text;
            shown.view.showPicture(picture);
            const QImage after = onScreen(shown.view);
            QVERIFY(after != before);
            QCOMPARE(shown.view.line(index), QString::fromUtf8(text));
            ShownView fresh(size, picture);
            QVERIFY(QTest::qWaitForWindowExposed(&fresh.view));
            QCOMPARE(after, onScreen(fresh.view));
            before = after;
        }
    }

    void aPictureWithFewerLinesDropsTheRest() {
        const QSize size(400, 200);
        const std::vector<std::string> five = {"┃X01", "┣━━━━━━━━", "┃", "┣━━┥┝━━╱", "┃"};
        const std::vector<std::string> two(five.begin(), five.begin() + 2);
        ShownView shown(size, five);
        QVERIFY(QTest::qWaitForWindowExposed(&shown.view));
        const QImage all = onScreen(shown.view);
        const QRect dropped(0, int(shown.view.cellOrigin(2, 0).y()) + 1, size.width(),
                            int(shown.view.cellOrigin(5, 0).y()) - int(shown.view.cellOrigin(2, 0).y()));
        QVERIFY(inkIn(all, dropped) > 0);
        shown.view.showPicture(two);
        QCOMPARE(shown.view.lineCount(), 2);
        const QImage fewer = onScreen(shown.view);
        QCOMPARE(inkIn(fewer, dropped), 0);
        ShownView fresh(size, two);
        QVERIFY(QTest::qWaitForWindowExposed(&fresh.view));
        QCOMPARE(fewer, onScreen(fresh.view));
        // The dropped lines come back when printed again.
        shown.view.showPicture(five);
        QCOMPARE(shown.view.lineCount(), 5);
        QCOMPARE(shown.view.line(3), QString::fromStdString(five[3]));
        QCOMPARE(onScreen(shown.view), all);
    }

    void aSheetInAnotherSizeIsDrawnOnItsGrid() {
        const std::vector<std::string> picture{"  ┃X01", "  ┣┫  ┣━━━（  ）━┫"};
        for (int pixels : {8, 12, 16}) {
            SheetView view;
            view.setFontPixels(pixels);
            view.resize(400, 100);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            view.showPicture(picture);
            QCOMPARE(view.columnWidth(), pixels / 2.0);
            const QImage shown = onScreen(view);
            QVERIFY(inkIn(shown, QRect(0, 0, shown.width(), view.lineHeight())) > 0);
            QVERIFY(inkIn(shown, QRect(0, view.lineHeight(), shown.width(), view.lineHeight())) > 0);
        }
    }

    void scrollsToTheCursorsRung() {
        SheetView view;
        view.resize(300, 200);
        view.show();
        std::vector<std::string> lines(260, std::string(146, ' '));
        lines[1] = std::string(145, ' ') + "|";  // drawn as far as the last column
        view.showPicture(lines);
        QScrollBar* v = view.verticalScrollBar();
        QVERIFY(v->maximum() > 0);
        QCOMPARE(v->maximum(), view.contentSize().height() - view.viewport()->height());
        view.ensureVisible(260, 0);
        QCOMPARE(v->value(), v->maximum());
        view.ensureVisible(2, 0);
        QCOMPARE(v->value(), 0);
        // A rung in the middle: its name row and graphics row both in sight.
        view.ensureVisible(130, 0);
        const int top = int(view.cellOrigin(128, 0).y());
        const int bottom = int(view.cellOrigin(130, 0).y());
        QVERIFY(top >= v->value());
        QVERIFY(bottom <= v->value() + view.viewport()->height());
        // Asking again for a rung already in sight does not move the view.
        const int at = v->value();
        view.ensureVisible(129, 0);
        QCOMPARE(v->value(), at);
        // The view is narrower than the 146 columns: the cursor's column is
        // brought into sight too.
        QScrollBar* h = view.horizontalScrollBar();
        QVERIFY(h->maximum() > 0);
        view.ensureVisible(2, 130);
        QVERIFY(view.cellOrigin(0, 130).x() >= h->value());
        QVERIFY(view.cellOrigin(0, 140).x() <= h->value() + view.viewport()->width());
    }
};

QTEST_MAIN(SheetViewTest)
#include "test_sheetview.moc"
