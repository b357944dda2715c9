#include "platform/qt/QtDrawingContext.h"

#include <QFile>
#include <QFontMetrics>
#include <QPolygon>
#include <QString>
#include <cstdio>
#include <map>

namespace {

QColor ToColor(Rgb rgb)
{
    return QColor(rgb.r, rgb.g, rgb.b);
}

QString ToText(std::string_view str)
{
    return QString::fromUtf8(str.data(), qsizetype(str.size()));
}

// Bitmaps are read once per run: the Ending Act stretches them every frame.
const QImage& LoadBitmap(int nBitmapId)
{
    static std::map<int, QImage> s_mapBitmaps;
    auto it = s_mapBitmaps.find(nBitmapId);
    if (it == s_mapBitmaps.end()) {
        const QString strPath = QStringLiteral(":/res/bitmap/%1.bmp").arg(nBitmapId);
        QImage image(strPath);
        if (image.isNull())
            std::fprintf(stderr, "vasculon: bitmap %d is missing\n", nBitmapId);
        it = s_mapBitmaps.emplace(nBitmapId, image).first;
    }
    return it->second;
}

}  // namespace

QtDrawingContext::QtDrawingContext(Size size)
    : m_image(size.cx, size.cy, QImage::Format_RGB32)
{
    // A new surface starts black with a 1-pixel black pen and a white brush,
    // as a fresh memory surface of the original did.
    m_image.fill(Qt::black);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    SelectPen(1, Rgb{0, 0, 0});
    SelectBrush(Rgb{255, 255, 255});
}

void QtDrawingContext::SelectPen(int nWidth, Rgb rgb)
{
    m_nPenWidth = nWidth < 1 ? 1 : nWidth;
    // Flat caps leave out a line's last pixel as the original did; wide
    // outlines meet in round corners.
    m_painter.setPen(QPen(ToColor(rgb), m_nPenWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
}

void QtDrawingContext::SelectBrush(Rgb rgb)
{
    m_painter.setBrush(ToColor(rgb));
}

void QtDrawingContext::FillRect(const Rect& rc, Rgb rgb)
{
    if (rc.Width() <= 0 || rc.Height() <= 0)
        return;
    m_painter.fillRect(QRect(rc.left, rc.top, rc.Width(), rc.Height()), ToColor(rgb));
}

void QtDrawingContext::Line(Point ptFrom, Point ptTo)
{
    m_painter.drawLine(QPoint(ptFrom.x, ptFrom.y), QPoint(ptTo.x, ptTo.y));
}

void QtDrawingContext::Ellipse(const Rect& rc)
{
    // Measured on Qt's raster engine: a 1-pixel outline stays inside
    // left..right-1 when inscribed in a box one pixel smaller; a wide pen is
    // centred symmetrically on the outline when inscribed in the box itself.
    const qreal dShrink = m_nPenWidth == 1 ? 1.0 : 0.0;
    m_painter.drawEllipse(QRectF(rc.left, rc.top, rc.Width() - dShrink, rc.Height() - dShrink));
}

void QtDrawingContext::Polygon(std::span<const Point> pts)
{
    QPolygon polygon;
    polygon.reserve(qsizetype(pts.size()));
    for (const Point& pt : pts)
        polygon << QPoint(pt.x, pt.y);
    // Alternate filling, the original's default rule.
    m_painter.drawPolygon(polygon, Qt::OddEvenFill);
}

Size QtDrawingContext::GetTextExtent(std::string_view str)
{
    const QFontMetrics metrics(m_painter.font());
    return Size{metrics.horizontalAdvance(ToText(str)), metrics.height()};
}

void QtDrawingContext::TextOut(Point pt, std::string_view str)
{
    const QString strText = ToText(str);
    const QFontMetrics metrics(m_painter.font());
    const QRect rcCell(pt.x, pt.y, metrics.horizontalAdvance(strText), metrics.height());
    m_painter.fillRect(rcCell, Qt::white);
    const QPen penShape = m_painter.pen();
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPoint(pt.x, pt.y + metrics.ascent()), strText);
    m_painter.setPen(penShape);
}

void QtDrawingContext::StretchBitmap(int nBitmapId, const Rect& rcDest)
{
    const QImage& bitmap = LoadBitmap(nBitmapId);
    if (bitmap.isNull())
        return;
    m_painter.drawImage(QRect(rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height()), bitmap);
}
