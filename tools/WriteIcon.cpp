#include "tools/WriteIcon.h"

#include <QDataStream>
#include <QFile>

namespace {

constexpr int kIconDirBytes = 6;
constexpr int kEntryBytes = 16;
constexpr int kInfoHeaderBytes = 40;
constexpr int kColours = 16;

// Rows of a DIB are padded to whole 32-bit words.
int RowBytes(int nWidth, int nBitsPerPixel)
{
    return (nWidth * nBitsPerPixel + 31) / 32 * 4;
}

// BITMAPINFOHEADER, palette, 4-bit colour rows bottom-up, then the AND mask
// (all zero: the square is opaque). The header's height counts both halves.
QByteArray IconImage(const QImage& img)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int nXorBytes = RowBytes(img.width(), 4) * img.height();
    const int nAndBytes = RowBytes(img.width(), 1) * img.height();
    out << quint32(kInfoHeaderBytes) << qint32(img.width()) << qint32(img.height() * 2)
        << quint16(1) << quint16(4) << quint32(0) << quint32(nXorBytes + nAndBytes)
        << qint32(0) << qint32(0) << quint32(kColours) << quint32(0);
    const QList<QRgb> table = img.colorTable();
    for (int i = 0; i < kColours; ++i) {
        const QRgb rgb = i < table.size() ? table[i] : 0;
        out << quint8(qBlue(rgb)) << quint8(qGreen(rgb)) << quint8(qRed(rgb)) << quint8(0);
    }
    for (int y = img.height() - 1; y >= 0; --y) {
        QByteArray row(RowBytes(img.width(), 4), '\0');
        for (int x = 0; x < img.width(); ++x) {
            row[x / 2] = char(row[x / 2] | (img.pixelIndex(x, y) << (x % 2 ? 0 : 4)));
        }
        out.writeRawData(row.constData(), int(row.size()));
    }
    const QByteArray mask(nAndBytes, '\0');
    out.writeRawData(mask.constData(), int(mask.size()));
    return bytes;
}

}  // namespace

bool WriteIcon(const QString& strPath, const QList<QImage>& images, QString& strError)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());

    QList<QByteArray> bodies;
    quint32 nOffset = kIconDirBytes + kEntryBytes * images.size();
    for (const QImage& img : images) {
        if (img.format() != QImage::Format_Indexed8 || img.colorCount() > kColours) {
            strError = QStringLiteral("%1: icon images must be indexed with at most 16 colours")
                           .arg(strPath);
            return false;
        }
        bodies.append(IconImage(img));
        out << quint8(img.width()) << quint8(img.height()) << quint8(kColours) << quint8(0)
            << quint16(1) << quint16(4) << quint32(bodies.last().size()) << nOffset;
        nOffset += bodies.last().size();
    }
    for (const QByteArray& body : bodies) {
        bytes.append(body);
    }

    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        strError = QStringLiteral("%1: %2").arg(strPath, file.errorString());
        return false;
    }
    return true;
}
