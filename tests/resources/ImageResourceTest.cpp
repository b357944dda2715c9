// The embedded pictures: the two hearts, the icon and the germ cursor.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <set>

namespace {

constexpr QRgb kHeartGround = 0xFF960000;  // RGB(150, 0, 0)

QByteArray EmbeddedBytes(const QString& strName)
{
    QFile file(QStringLiteral(":/res/") + strName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage EmbeddedImage(const QString& strName)
{
    return QImage(QStringLiteral(":/res/") + strName);
}

struct HeartStats {
    int nHeart = 0;          // pixels not exactly the ground
    int nCentreHeart = 0;    // of those, in the central third of the picture
    int nFarFromGround = 0;  // heart pixels a player can tell from the ground
    double dGreenness = 0;   // mean green minus red over the heart
};

HeartStats Measure(const QImage& img)
{
    HeartStats stats;
    const QRect centre(img.width() / 3, img.height() / 3, img.width() / 3, img.height() / 3);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb rgb = img.pixel(x, y);
            if (rgb == kHeartGround) {
                continue;
            }
            ++stats.nHeart;
            stats.nCentreHeart += centre.contains(x, y);
            const int nDistance = std::abs(qRed(rgb) - 150) + qGreen(rgb) + qBlue(rgb);
            stats.nFarFromGround += nDistance > 60;
            stats.dGreenness += qGreen(rgb) - qRed(rgb);
        }
    }
    stats.dGreenness /= std::max(1, stats.nHeart);
    return stats;
}

TEST(HeartBitmaps, AreTwentyFourBitOnAnExactRedGroundWithAHeartInTheMiddle)
{
    for (const char* pszName : {"bitmap/148.bmp", "bitmap/150.bmp"}) {
        SCOPED_TRACE(pszName);
        const QByteArray bytes = EmbeddedBytes(QString::fromLatin1(pszName));
        ASSERT_GT(bytes.size(), 54);
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);  // biBitCount

        const QImage img = EmbeddedImage(QString::fromLatin1(pszName));
        ASSERT_EQ(img.size(), QSize(199, 223));
        for (const QPoint& corner : {QPoint(0, 0), QPoint(198, 0), QPoint(0, 222), QPoint(198, 222)}) {
            EXPECT_EQ(img.pixel(corner), kHeartGround) << corner.x() << "," << corner.y();
        }
        const HeartStats stats = Measure(img);
        const int nArea = img.width() * img.height();
        EXPECT_GT(stats.nHeart, nArea / 3);
        EXPECT_LT(stats.nHeart, nArea * 4 / 5);
        EXPECT_GT(stats.nCentreHeart, nArea / 9 * 95 / 100);
        EXPECT_GT(stats.nFarFromGround, stats.nHeart * 9 / 10);
    }
}

TEST(HeartBitmaps, InfectedHeartIsTheSameShapeButGreener)
{
    const QImage healthy = EmbeddedImage(QStringLiteral("bitmap/148.bmp"));
    const QImage infected = EmbeddedImage(QStringLiteral("bitmap/150.bmp"));
    ASSERT_EQ(healthy.size(), infected.size());
    int nDifferentGround = 0;
    for (int y = 0; y < healthy.height(); ++y) {
        for (int x = 0; x < healthy.width(); ++x) {
            nDifferentGround += (healthy.pixel(x, y) == kHeartGround) != (infected.pixel(x, y) == kHeartGround);
        }
    }
    EXPECT_EQ(nDifferentGround, 0);
    EXPECT_LT(Measure(healthy).dGreenness, -40.0);
    EXPECT_GT(Measure(infected).dGreenness, 20.0);
}

// The .ico directory: entries of 16 bytes after a 6-byte header.
TEST(Icon, HoldsThirtyTwoAndSixteenPixelImagesOfSixteenColours)
{
    const QByteArray ico = EmbeddedBytes(QStringLiteral("icon/128.ico"));
    ASSERT_GE(ico.size(), 6 + 2 * 16);
    EXPECT_EQ(qFromLittleEndian<quint16>(ico.constData() + 2), 1);  // icon, not cursor
    ASSERT_EQ(qFromLittleEndian<quint16>(ico.constData() + 4), 2);
    std::set<int> sizes;
    for (int i = 0; i < 2; ++i) {
        const char* pEntry = ico.constData() + 6 + 16 * i;
        sizes.insert(quint8(pEntry[0]));
        EXPECT_EQ(quint8(pEntry[1]), quint8(pEntry[0]));
        EXPECT_EQ(quint8(pEntry[2]), 16);                          // colours
        EXPECT_EQ(qFromLittleEndian<quint16>(pEntry + 6), 4);      // bits per pixel
        const quint32 nEnd = qFromLittleEndian<quint32>(pEntry + 8) + qFromLittleEndian<quint32>(pEntry + 12);
        EXPECT_LE(nEnd, quint32(ico.size()));
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));
    QImageReader reader(QStringLiteral(":/res/icon/128.ico"));
    if (reader.canRead()) {  // only where Qt's ico plugin is installed
        EXPECT_EQ(reader.imageCount(), 2);
    }
}

TEST(Icon, PngsShowTheGermOnDarkRedInSixteenColours)
{
    for (const int nSize : {32, 16}) {
        SCOPED_TRACE(nSize);
        const QImage img = EmbeddedImage(QStringLiteral("icon/128-%1.png").arg(nSize));
        ASSERT_EQ(img.size(), QSize(nSize, nSize));
        EXPECT_LE(img.colorCount(), 16);
        std::set<QRgb> colours;
        for (int y = 0; y < nSize; ++y) {
            for (int x = 0; x < nSize; ++x) {
                colours.insert(img.pixel(x, y));
            }
        }
        EXPECT_LE(colours.size(), 16u);
        EXPECT_EQ(img.pixel(0, 0), qRgb(128, 0, 0));
        EXPECT_TRUE(colours.contains(qRgb(0, 128, 0)));
        EXPECT_TRUE(colours.contains(qRgb(255, 255, 0)));
    }
}

TEST(GermCursor, IsAnOpaqueGreenDiscWithACrispTransparentOutside)
{
    const QImage img = EmbeddedImage(QStringLiteral("cursor/130.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(img.size(), QSize(32, 32));
    int nOpaque = 0;
    std::set<QRgb> colours;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb rgb = img.pixel(x, y);
            ASSERT_TRUE(qAlpha(rgb) == 0 || qAlpha(rgb) == 255) << x << "," << y;
            if (qAlpha(rgb) == 255) {
                ++nOpaque;
                colours.insert(rgb);
            }
        }
    }
    for (const QPoint& corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
        EXPECT_EQ(qAlpha(img.pixel(corner)), 0);
    }
    EXPECT_EQ(qAlpha(img.pixel(15, 15)), 255);  // the hot spot
    EXPECT_GT(nOpaque, 32 * 32 * 6 / 10);
    EXPECT_EQ(colours, (std::set<QRgb>{qRgb(0, 154, 0), qRgb(198, 195, 0), qRgb(0, 130, 0)}));
}

}  // namespace
