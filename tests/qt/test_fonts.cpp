// The GB2312 font names used by the windows resolve to installed fonts.
#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

#include "FontSetup.h"

using namespace lp;

class FontsTest : public QObject {
    Q_OBJECT

private slots:
    void namesResolveAfterSubstitution() {
        installFontSubstitutions();
        QCOMPARE(QFontInfo(windowFont(kSongTi, 12, true)).family(), QStringLiteral("AR PL UMing CN"));
        QCOMPARE(QFontInfo(windowFont(kKaiTi, 15, true)).family(), QStringLiteral("AR PL UKai CN"));
        QCOMPARE(QFontInfo(windowFont(kLiShu, 21.75, true)).family(), QStringLiteral("WenQuanYi Zen Hei Mono"));
        QVERIFY(QFont::substitutes(kSongTi).size() > 1);  // fallbacks behind the first choice
    }

    void windowFontKeepsWhatItWasGiven() {
        const QFont f = windowFont(kKaiTi, 15.75, true, true);
        QCOMPARE(f.family(), kKaiTi);
        QCOMPARE(f.pointSizeF(), 15.75);
        QCOMPARE(f.weight(), QFont::Bold);
        QVERIFY(f.underline());
        const QFont r = windowFont(kSongTi, 14.25, false);
        QCOMPARE(r.weight(), QFont::Normal);
        QVERIFY(!r.underline());
    }

    void chineseTextHasGlyphs() {
        installFontSubstitutions();
        for (const char* family : {kSongTi, kKaiTi, kLiShu}) {
            const QFontMetrics m(windowFont(family, 12, false));
            for (QChar c : QStringLiteral("梯形图编辑器元器件库转换退出┣┫（）"))
                QVERIFY2(m.inFont(c), qPrintable(QString::fromUtf8(family) + QStringLiteral(": ") + c));
        }
    }
};

QTEST_MAIN(FontsTest)
#include "test_fonts.moc"
