#include "PicturePainter.h"

#include <algorithm>
#include <cmath>

#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "FontSetup.h"

namespace lp {

namespace {

QFont pictureFont(double size, bool bold) {
    QFont font = sheetFont();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

void paintPicture(QPainter& painter, const Picture& picture) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, picture.width, picture.height), Qt::white);
    for (const PictureStroke& s : picture.strokes) {
        painter.setPen(QPen(s.grey ? QColor(0x99, 0x99, 0x99) : QColor(Qt::black), s.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
    }
    painter.setPen(Qt::black);
    for (const PictureText& t : picture.texts) {
        painter.setFont(pictureFont(t.size, t.bold));
        const QString text = QString::fromStdString(t.text);
        if (t.columns.empty()) {
            painter.drawText(QPointF(t.x, t.baseline), text);
            continue;
        }
        // Each character at its column of the sheet's grid.
        std::size_t index = 0;
        for (qsizetype at = 0; at < text.size() && index < t.columns.size(); ++index) {
            const qsizetype units = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
            const QString character = text.mid(at, units);
            if (character != QLatin1String(" "))
                painter.drawText(QPointF(t.x + t.columns[index] * t.size / 2, t.baseline), character);
            at += units;
        }
    }
    painter.restore();
}

QString writePicturePng(const Picture& picture, const QString& path) {
    constexpr double kScale = 2;
    QImage image(static_cast<int>(std::ceil(picture.width * kScale)), static_cast<int>(std::ceil(picture.height * kScale)),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(96 * kScale / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(96 * kScale / 0.0254));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(kScale, kScale);
        paintPicture(painter, picture);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) return file.errorString();
    return {};
}

QString writePicturePdf(const Picture& picture, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(96);
        pdf.setCreator(QStringLiteral("LadderPad"));
        pdf.setPageSize(QPageSize(QSizeF(picture.width, picture.height) * (72.0 / 96.0), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        paintPicture(painter, picture);
    }
    if (!file.commit()) return file.errorString();
    return {};
}

void paintPicturePages(QPagedPaintDevice& device, const Picture& picture) {
    QPainter painter(&device);
    const int dpi = device.logicalDpiX();
    const QRectF page = device.pageLayout().paintRectPixels(dpi);
    // The picture's pixels are 1/96 inch; the device has its own.
    const double scale = std::min(dpi / 96.0, page.width() / picture.width);
    const double pageHeight = page.height() / scale;
    for (double top = 0; top < picture.height; top += pageHeight) {
        if (top > 0) device.newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -top);
        painter.setClipRect(QRectF(0, top, picture.width, pageHeight));
        paintPicture(painter, picture);
        painter.restore();
    }
}

}  // namespace lp
