#include "platform/qt/QtDrawingContext.h"

#include <QFile>
#include <QFontMetrics>
#include <QPolygonF>
#include <QtMath>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>

namespace {

QColor ToColor(Rgb rgb)
{
    return QColor(rgb.r, rgb.g, rgb.b);
}

QString ToText(std::string_view str)
{
    return QString::fromUtf8(str.data(), qsizetype(str.size()));
}

// Bitmaps are read and put in the surface's own pixel format once per run:
// the Ending Act stretches them every frame.
const QImage& LoadBitmap(int nBitmapId)
{
    static std::map<int, QImage> s_mapBitmaps;
    auto it = s_mapBitmaps.find(nBitmapId);
    if (it == s_mapBitmaps.end()) {
        const QString strPath = QStringLiteral(":/res/bitmap/%1.bmp").arg(nBitmapId);
        QImage image(strPath);
        if (image.isNull())
            std::fprintf(stderr, "vasculon: bitmap %d is missing\n", nBitmapId);
        else
            image.convertTo(QImage::Format_RGB32);
        it = s_mapBitmaps.emplace(nBitmapId, image).first;
    }
    return it->second;
}

// The outline of an ellipse inscribed in rc. Measured on Qt's raster engine
// with hard pixels: a 1-pixel outline stays inside left..right-1 when
// inscribed in a box one pixel smaller; a wide pen is centred symmetrically
// on the outline when inscribed in the box itself. Smoothed, the outline runs
// through the centres of the edge pixels, which gives both.
QRectF EllipseBox(const Rect& rc, int nPenWidth, bool bSmooth)
{
    if (bSmooth)
        return QRectF(rc.left + 0.5, rc.top + 0.5, rc.Width() - 1.0, rc.Height() - 1.0);
    const qreal dShrink = nPenWidth == 1 ? 1.0 : 0.0;
    return QRectF(rc.left, rc.top, rc.Width() - dShrink, rc.Height() - dShrink);
}

// Smoothed, a pen of odd width sits on pixel centres and one of even width
// on pixel edges, as the hard-pixel pens do.
qreal PenOffset(int nPenWidth, bool bSmooth)
{
    return bSmooth && nPenWidth % 2 == 1 ? 0.5 : 0.0;
}

// The ellipses of play come at a handful of sizes (cells, nuclei, fragments,
// droplets, spray dots) and a wide outline costs far more to stroke than to
// copy, so each size, pen and brush is drawn once on a transparent tile and
// copied in after. Hard pixels are opaque or untouched, so a copy gives the
// same pixels as the stroke wherever Qt draws a shape the same in every
// place. Measured over the whole play area: it does for 1, 2 and 4-pixel
// pens, and for 3-pixel ones from 13 pixels across (every cell the game
// has); not for smaller shapes under odd wide pens, nor for shapes cut by
// the surface's edge. Those are stroked.
class EllipseTiles {
public:
    struct Key {
        int nWidth, nHeight, nPenWidth;
        QRgb rgbPen, rgbBrush;
        qreal dRatio;
        auto operator<=>(const Key&) const = default;
    };
    // Whole device pixels per game pixel only; larger shapes are rare.
    static bool Fits(const Key& key, const Rect& rc, Size sizeSurface)
    {
        const int nSide = std::min(key.nWidth, key.nHeight);
        const int nPen = key.nPenWidth;
        const bool bSamePixelsEverywhere
            = nPen == 1 || nPen == 2 || nPen == 4 || (nPen == 3 && nSide >= 13);
        const int nOut = nPen;  // how far a centred pen reaches out of the box, and more
        return bSamePixelsEverywhere && nSide > 0 && std::max(key.nWidth, key.nHeight) <= kMaxSide
               && key.dRatio == std::floor(key.dRatio) && rc.left - nOut >= 0 && rc.top - nOut >= 0
               && rc.right + nOut <= sizeSurface.cx && rc.bottom + nOut <= sizeSurface.cy;
    }
    // The drawn pixels, and where the box's top-left lies on them.
    struct Tile {
        QImage image;
        QPoint ptBoxAt;
    };

    const Tile& Get(const Key& key, const QPainter& painterLike)
    {
        auto it = m_mapTiles.find(key);
        if (it != m_mapTiles.end())
            return it->second;
        if (m_mapTiles.size() >= kMaxTiles)
            m_mapTiles.clear();
        return m_mapTiles.emplace(key, Render(key, painterLike)).first->second;
    }

private:
    static constexpr int kMaxSide = 160;
    static constexpr std::size_t kMaxTiles = 64;

    // Qt strokes a shape near the image's edge differently: the tile is
    // drawn with room about it, then cut down to what was drawn.
    static Tile Render(const Key& key, const QPainter& painterLike)
    {
        const int nMargin = key.nPenWidth + 8;
        const int nSide = 2 * nMargin;
        QImage tile(int((key.nWidth + nSide) * key.dRatio), int((key.nHeight + nSide) * key.dRatio),
                    QImage::Format_ARGB32_Premultiplied);
        tile.setDevicePixelRatio(key.dRatio);
        tile.fill(Qt::transparent);
        QPainter painter(&tile);
        painter.setRenderHints(painterLike.renderHints());
        painter.setPen(painterLike.pen());
        painter.setBrush(painterLike.brush());
        const Rect rc{nMargin, nMargin, nMargin + key.nWidth, nMargin + key.nHeight};
        painter.drawEllipse(EllipseBox(rc, key.nPenWidth, key.dRatio != 1.0));
        painter.end();
        const QRect rcDrawn = DrawnPart(tile);
        QImage imgDrawn = tile.copy(rcDrawn);
        imgDrawn.setDevicePixelRatio(key.dRatio);
        const QPointF ptFrom = QPointF(rcDrawn.topLeft()) / key.dRatio;
        return Tile{imgDrawn, QPoint(nMargin, nMargin) - ptFrom.toPoint()};
    }

    // Whole game pixels about every pixel that is not transparent.
    static QRect DrawnPart(const QImage& tile)
    {
        const int nStep = int(tile.devicePixelRatio());
        QRect rc;
        for (int nY = 0; nY < tile.height(); ++nY) {
            const QRgb* pLine = reinterpret_cast<const QRgb*>(tile.constScanLine(nY));
            for (int nX = 0; nX < tile.width(); ++nX) {
                if (qAlpha(pLine[nX]) != 0)
                    rc |= QRect(nX / nStep * nStep, nY / nStep * nStep, nStep, nStep);
            }
        }
        return rc;
    }

    std::map<Key, Tile> m_mapTiles;
};

EllipseTiles& Tiles()
{
    static EllipseTiles s_tiles;
    return s_tiles;
}

}  // namespace

QtDrawingContext::QtDrawingContext(Size size, qreal dDevicePixelRatio)
    : m_size(size),
      m_image(qCeil(size.cx * dDevicePixelRatio), qCeil(size.cy * dDevicePixelRatio),
              QImage::Format_RGB32),
      m_dRatio(dDevicePixelRatio)
{
    m_image.setDevicePixelRatio(m_dRatio);
    m_image.fill(Qt::black);
    Begin();
}

QtDrawingContext::QtDrawingContext(Size size, qreal dDevicePixelRatio, FrameSurfaces& surfaces)
    : m_size(size),
      m_image(surfaces.Lend(
          QSize(qCeil(size.cx * dDevicePixelRatio), qCeil(size.cy * dDevicePixelRatio)),
          dDevicePixelRatio)),
      m_pSurfaces(&surfaces), m_dRatio(dDevicePixelRatio), m_bVeiled(true)
{
    Begin();
}

QtDrawingContext::~QtDrawingContext()
{
    if (m_painter.isActive())
        m_painter.end();
    if (m_pSurfaces)
        m_pSurfaces->GiveBack(std::move(m_image));
}

void QtDrawingContext::Begin()
{
    // A new surface has a 1-pixel black pen and a white brush, as a fresh
    // memory surface of the original did.
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing, IsSmooth());
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, IsSmooth());
    SelectPen(1, Rgb{0, 0, 0});
    SelectBrush(Rgb{255, 255, 255});
}

const QImage& QtDrawingContext::Finish()
{
    Unveil();
    if (m_painter.isActive())
        m_painter.end();
    return m_image;
}

void QtDrawingContext::Unveil()
{
    if (!m_bVeiled)
        return;
    m_bVeiled = false;
    m_painter.fillRect(QRect(0, 0, m_size.cx, m_size.cy), Qt::black);
}

void QtDrawingContext::SelectPen(int nWidth, Rgb rgb)
{
    m_nPenWidth = nWidth < 1 ? 1 : nWidth;
    m_rgbPen = ToColor(rgb).rgb();
    // Flat caps leave out a line's last pixel as the original did; wide
    // outlines meet in round corners.
    m_painter.setPen(QPen(ToColor(rgb), m_nPenWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
}

void QtDrawingContext::SelectBrush(Rgb rgb)
{
    m_rgbBrush = ToColor(rgb).rgb();
    m_painter.setBrush(ToColor(rgb));
}

void QtDrawingContext::FillRect(const Rect& rc, Rgb rgb)
{
    if (rc.Width() <= 0 || rc.Height() <= 0)
        return;
    const QRect rcFill(rc.left, rc.top, rc.Width(), rc.Height());
    if (m_bVeiled && rcFill.contains(QRect(0, 0, m_size.cx, m_size.cy)))
        m_bVeiled = false;
    Unveil();
    m_painter.fillRect(rcFill, ToColor(rgb));
}

void QtDrawingContext::Line(Point ptFrom, Point ptTo)
{
    Unveil();
    const bool bVertical = ptFrom.x == ptTo.x && ptFrom.y != ptTo.y;
    const bool bHorizontal = ptFrom.y == ptTo.y && ptFrom.x != ptTo.x;
    // Qt strokes a line cut by the surface's edge differently: those are
    // stroked.
    const bool bInside = std::min({ptFrom.x, ptFrom.y, ptTo.x, ptTo.y}) >= 0
                         && std::max(ptFrom.x, ptTo.x) <= m_size.cx
                         && std::max(ptFrom.y, ptTo.y) <= m_size.cy;
    if ((bVertical || bHorizontal) && bInside) {
        // A straight line is a rectangle: the pen's width across, centred as
        // the stroke is, and along it the pixels from the lower end up to the
        // higher one, left out, whichever way it runs (measured). A fill
        // costs far less than a stroke.
        const int nAcross = (bVertical ? ptFrom.x : ptFrom.y) - m_nPenWidth / 2;
        const int nFrom = bVertical ? ptFrom.y : ptFrom.x;
        const int nTo = bVertical ? ptTo.y : ptTo.x;
        const int nLow = std::min(nFrom, nTo);
        const int nHigh = std::max(nFrom, nTo);
        const QRect rc = bVertical ? QRect(nAcross, nLow, m_nPenWidth, nHigh - nLow)
                                   : QRect(nLow, nAcross, nHigh - nLow, m_nPenWidth);
        m_painter.fillRect(rc, QColor::fromRgb(m_rgbPen));
        return;
    }
    if (!IsSmooth()) {
        m_painter.drawLine(QPoint(ptFrom.x, ptFrom.y), QPoint(ptTo.x, ptTo.y));
        return;
    }
    // Smoothed: centred across as a hard pen is, and from the first pixel's
    // near edge to the last one's, which is left out.
    const qreal dOffset = PenOffset(m_nPenWidth, true);
    QPointF ptA(ptFrom.x + dOffset, ptFrom.y + dOffset);
    QPointF ptB(ptTo.x + dOffset, ptTo.y + dOffset);
    const QPointF ptDelta = ptB - ptA;
    const qreal dLength = std::hypot(ptDelta.x(), ptDelta.y());
    if (dLength > 0) {
        const QPointF ptBack = ptDelta * (dOffset / dLength);
        ptA -= ptBack;
        ptB -= ptBack;
    }
    m_painter.drawLine(ptA, ptB);
}

void QtDrawingContext::Ellipse(const Rect& rc)
{
    Unveil();
    const EllipseTiles::Key key{rc.Width(), rc.Height(), m_nPenWidth,
                                m_rgbPen,   m_rgbBrush,  m_dRatio};
    if (!EllipseTiles::Fits(key, rc, m_size)) {
        m_painter.drawEllipse(EllipseBox(rc, m_nPenWidth, IsSmooth()));
        return;
    }
    const EllipseTiles::Tile& tile = Tiles().Get(key, m_painter);
    m_painter.drawImage(QPoint(rc.left, rc.top) - tile.ptBoxAt, tile.image);
}

void QtDrawingContext::Polygon(std::span<const Point> pts)
{
    Unveil();
    const qreal dOffset = PenOffset(m_nPenWidth, IsSmooth());
    QPolygonF polygon;
    polygon.reserve(qsizetype(pts.size()));
    for (const Point& pt : pts)
        polygon << QPointF(pt.x + dOffset, pt.y + dOffset);
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
    Unveil();
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
    Unveil();
    const QImage& bitmap = LoadBitmap(nBitmapId);
    if (bitmap.isNull())
        return;
    m_painter.drawImage(QRect(rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height()), bitmap);
}

std::unique_ptr<QtDrawingContext> FrameSurfaces::Create(Size size, qreal dDevicePixelRatio)
{
    return std::make_unique<QtDrawingContext>(size, dDevicePixelRatio, *this);
}

QImage FrameSurfaces::Lend(QSize sizeDevice, qreal dDevicePixelRatio)
{
    // Images for another scale (the window moved to another screen) would
    // only hold their places: new ones would be made for every frame.
    std::erase_if(m_images, [&](const QImage& image) {
        return image.size() != sizeDevice || image.devicePixelRatio() != dDevicePixelRatio;
    });
    ++m_nLent;
    // A frame drawn in the process's memory is copied to be shown.
    auto it = FindFree(true);
    if (it == m_images.end())
        it = FindFree(false);
    if (it != m_images.end()) {
        QImage image = std::move(*it);
        m_images.erase(it);
        return image;
    }
    const bool bMayMake = m_pMemory && m_images.size() + m_nLent <= kMaxMade;
    QImage image = bMayMake ? m_pMemory->Make(sizeDevice) : QImage();
    if (image.isNull())
        image = QImage(sizeDevice, QImage::Format_RGB32);
    image.setDevicePixelRatio(dDevicePixelRatio);
    return image;
}

void FrameSurfaces::GiveBack(QImage image)
{
    --m_nLent;
    // Spares beyond the usual few go once the screen lets them go, those in
    // the process's memory first.
    while (m_images.size() >= kKept) {
        auto it = FindFree(false);
        if (it == m_images.end())
            it = FindFree(true);
        if (it == m_images.end())
            break;
        m_images.erase(it);
    }
    m_images.push_back(std::move(image));
}

bool FrameSurfaces::IsFree(const QImage& image) const
{
    return image.isDetached() && (!m_pMemory || m_pMemory->IsFree(image));
}

std::vector<QImage>::iterator FrameSurfaces::FindFree(bool bShared)
{
    return std::find_if(m_images.begin(), m_images.end(), [&](const QImage& image) {
        return IsFree(image) && (m_pMemory && m_pMemory->IsOurs(image)) == bShared;
    });
}
