#pragma once
// A picture of the core (the drawing with its list, the timing diagram)
// drawn with Qt: on a widget, into a PNG, a PDF or onto printer pages.
#include <QString>

#include "app/PictureModel.h"

class QPainter;
class QPagedPaintDevice;
class QWidget;

namespace lp {

// Draws the picture at its own pixels (1/96 inch); the painter's transform
// places and scales it.
void paintPicture(QPainter& painter, const Picture& picture);

// Writes the picture as PNG (twice the pixels, for a sharp print) or PDF
// (fonts embedded), replacing `path` only once the whole file is written.
// "" on success, else the reason.
QString writePicturePng(const Picture& picture, const QString& path);
QString writePicturePdf(const Picture& picture, const QString& path);

// The picture on the pages of `device`, scaled to the page's width (never
// up), one page after another where it is taller.
void paintPicturePages(QPagedPaintDevice& device, const Picture& picture);

}  // namespace lp
