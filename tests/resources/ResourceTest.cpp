// Every embedded resource the host reads, read back from the compiled-in .qrc
// as the host reads it: WAVE clips through WaveDecoder, pictures through Qt.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <QImage>
#include <QResource>
#include <QtEndian>
#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

#include "platform/qt/WaveDecoder.h"

namespace {

constexpr QRgb kField = qRgb(150, 0, 0), kIconGround = qRgb(128, 0, 0);
constexpr QRgb kGermGreen = qRgb(0, 154, 0), kGermYellow = qRgb(198, 195, 0), kGermDot = qRgb(0, 130, 0);

struct Resource {
    const char* pszName;
    // A clip: its length, channels, Hz and SF_FORMAT_* subtype; most are 16-bit mono at 22050 Hz.
    int nMs = 0, nChannels = 1, nRate = 22050, nEncoding = SF_FORMAT_PCM_16;
    QSize size{};  // a picture
    // Bits per pixel of a .bmp file; an infected heart: its mean green minus red above the healthy
    // one's, with the same outline.
    int nBitmapBits = 0, nGreener = 0;
    QRgb rgbCorners = 0;       // every corner; 0: transparent
    std::set<QRgb> colours{};  // every colour there is; none: unchecked
    std::vector<std::pair<QPoint, QRgb>> probes{};
};

void PrintTo(const Resource& res, std::ostream* pOut) { *pOut << res.pszName; }

class Resources : public testing::TestWithParam<Resource> {};

TEST_P(Resources, HaveTheirFormat)
{
    const Resource& res = GetParam();
    const QByteArray bytes = QResource(QStringLiteral(":/res/") + res.pszName).uncompressedData();
    if (res.nMs) {
        // Peaks about -3 dBFS: audible next to the others, and never clipped.
        // The infection clip's eight seconds time the Ending Act.
        QString strError;
        const auto wave = DecodeWaveResource(QByteArray(res.pszName + 5, 3).toInt(), strError);
        ASSERT_TRUE(wave) << strError.toStdString();
        EXPECT_EQ(std::tuple(wave->nChannels, wave->nSampleRate, wave->nSndfileFormat),
                  std::tuple(res.nChannels, res.nRate, SF_FORMAT_WAV | res.nEncoding));
        EXPECT_NEAR(wave->Seconds(), res.nMs / 1000.0, 0.001);
        const auto [itMin, itMax] = std::minmax_element(wave->samples.begin(), wave->samples.end());
        EXPECT_NEAR(std::max(-*itMin, +*itMax), 32768 * 0.7, 32768 * 0.1);
        return;
    }
    const QImage image = QImage::fromData(bytes).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), res.size);
    EXPECT_EQ(res.nBitmapBits ? qFromLittleEndian<quint16>(bytes.constData() + 28) : 0, res.nBitmapBits);
    const QImage healthy(QStringLiteral(":/res/bitmap/148.bmp"));
    std::set<QRgb> colours;
    double dGreener = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = qAlpha(image.pixel(x, y)) ? image.pixel(x, y) : 0, rgbHealthy = healthy.pixel(x, y);
            colours.insert(rgb);
            dGreener += qGreen(rgb) - qRed(rgb) - qGreen(rgbHealthy) + qRed(rgbHealthy);
            ASSERT_TRUE(!res.nGreener || (rgb == kField) == (rgbHealthy == kField)) << x << ", " << y;
            const bool bCorner = x % (image.width() - 1) == 0 && y % (image.height() - 1) == 0;
            EXPECT_EQ(bCorner ? rgb : res.rgbCorners, res.rgbCorners) << x << ", " << y;
        }
    EXPECT_EQ(res.colours.empty() ? res.colours : colours, res.colours);
    for (const auto& [pt, rgb] : res.probes)
        EXPECT_EQ(image.pixel(pt), rgb) << pt.x() << ", " << pt.y();
    EXPECT_GT(res.nGreener ? dGreener / (image.width() * image.height()) : 1, res.nGreener) << dGreener;
}

// The germ's ring about the cursor's hot spot (15, 15), which stays green.
const std::vector<std::pair<QPoint, QRgb>> kRing = {{{15, 15}, kGermGreen},
    {{12, 15}, kGermYellow}, {{19, 15}, kGermYellow}, {{15, 12}, kGermYellow}, {{15, 19}, kGermYellow}};
const std::set<QRgb> kIcon{kIconGround, qRgb(0, 128, 0), qRgb(255, 255, 0)};

const Resource kResources[] = {
    {"wave/138.wav", 1580}, {"wave/139.wav", 2530}, {"wave/140.wav", 1640}, {"wave/141.wav", 4010},
    {"wave/142.wav", 1460}, {"wave/145.wav", 1490}, {"wave/151.wav", 8000, 2, 32000},
    {"wave/143.wav", 740, 1, 11025, SF_FORMAT_PCM_U8}, {"wave/149.wav", 210, 2, 22050, SF_FORMAT_MS_ADPCM},
    // The hearts' ground is exactly the field's red: no seam on the backdrop.
    {.pszName = "bitmap/148.bmp", .size = {199, 223}, .nBitmapBits = 24, .rgbCorners = kField},
    {.pszName = "bitmap/150.bmp", .size = {199, 223}, .nBitmapBits = 24, .nGreener = 40, .rgbCorners = kField},
    {.pszName = "icon/128-32.png", .size = {32, 32}, .rgbCorners = kIconGround, .colours = kIcon},
    {.pszName = "icon/128-16.png", .size = {16, 16}, .rgbCorners = kIconGround, .colours = kIcon},
    {.pszName = "cursor/130.png", .size = {32, 32}, .colours = {0, kGermGreen, kGermYellow, kGermDot}, .probes = kRing},
};

INSTANTIATE_TEST_SUITE_P(Embedded, Resources, testing::ValuesIn(kResources));

// Bytes that are no WAVE clip are refused with a message naming WAVE; a clip
// cut short plays what it has; a missing sound is named.
TEST(Resources, RefuseNoWaveKeepATruncatedClipAndNameAMissingOne)
{
    const QByteArray wave = QResource(QStringLiteral(":/res/wave/141.wav")).uncompressedData();
    QString strError;
    for (const QByteArray& bytes : {QByteArray(), QByteArray(4096, '\x5a'), QByteArray("RIFF\x10\0\0\0WAVEjunk", 16),
                                    wave.left(30), QByteArray(wave).replace(0, 4, "FORM")}) {
        EXPECT_FALSE(DecodeWave(bytes, strError)) << bytes.size() << " bytes";
        EXPECT_TRUE(strError.contains(QStringLiteral("WAVE"))) << strError.toStdString();
    }
    const auto half = DecodeWave(wave.left(wave.size() / 2), strError);
    EXPECT_NEAR(half ? half->Seconds() : 0, 4.01 / 2, 0.01) << strError.toStdString();
    EXPECT_TRUE(!DecodeWaveResource(999, strError) && strError.contains(u"999")) << strError.toStdString();
}

}  // namespace
