#include "FontSetup.h"

#include <QStringList>

namespace lp {

void installFontSubstitutions() {
    QFont::insertSubstitutions(QString::fromUtf8(kSongTi), {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                                         QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Serif CJK SC"),
                                         QStringLiteral("Noto Sans CJK SC")});
    QFont::insertSubstitutions(QString::fromUtf8(kKaiTi), {QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UKai TW"),
                                        QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei"),
                                        QStringLiteral("Noto Serif CJK SC")});
    QFont::insertSubstitutions(QString::fromUtf8(kLiShu), {QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("WenQuanYi Zen Hei"),
                                        QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Sans CJK SC")});
}

QFont windowFont(const QString& family, double pointSize, bool bold, bool underline) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(underline);
    return font;
}

QFont windowFont(const FontSpec& spec) {
    return windowFont(QString::fromUtf8(spec.face), spec.points, spec.bold, spec.underline);
}

QFont sheetFont() {
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Zen Hei Mono"), QString::fromUtf8(kSongTi)});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(9.0);
    return font;
}

}  // namespace lp
