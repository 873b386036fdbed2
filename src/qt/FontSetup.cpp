#include "FontSetup.h"

#include <QStringList>

namespace lp {

void installFontSubstitutions() {
    for (const char* face : {kSongTi, kKaiTi, kLiShu}) {
        QStringList standIns;
        for (const char* standIn : faceStandIns(face)) standIns << QString::fromUtf8(standIn);
        QFont::insertSubstitutions(QString::fromUtf8(face), standIns);
    }
}

QFont windowFont(const QString& family, double pointSize, bool bold, bool underline) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(underline);
    return font;
}

QFont windowFont(const FontSpec& def) {
    return windowFont(QString::fromUtf8(def.face), def.points, def.bold, def.underline);
}

QFont sheetFont() {
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Zen Hei Mono"), QString::fromUtf8(kSongTi)});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(9.0);
    return font;
}

}  // namespace lp
