// Every embedded resource, read back from the compiled-in .qrc as the host
// reads it: WAVE clips through WaveDecoder, pictures through Qt's readers.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "platform/qt/WaveDecoder.h"

namespace {

QByteArray EmbeddedBytes(const char* pszName)
{
    QFile file(QStringLiteral(":/res/") + pszName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A picture's pixels, row by row, 0 where transparent; none if it is not of
// that size.
std::vector<QRgb> Pixels(const char* pszName, int nImage, QSize size)
{
    QImageReader reader(QStringLiteral(":/res/") + pszName);
    reader.jumpToImage(nImage);
    const QImage image = reader.read();
    std::vector<QRgb> pixels;
    for (int y = 0; image.size() == size && y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            pixels.push_back(qAlpha(image.pixel(x, y)) ? image.pixel(x, y) : 0);
    return pixels;
}

constexpr QRgb kField = qRgb(150, 0, 0), kIconGround = qRgb(128, 0, 0);
constexpr QRgb kGermGreen = qRgb(0, 154, 0), kGermYellow = qRgb(198, 195, 0);

struct Resource {
    const char* pszName;
    int nEncoding = 0, nRate = 0, nChannels = 0;  // a clip: SF_FORMAT_* subtype, Hz, channels, length
    double dSeconds = 0;
    int nImage = 0;              // a picture: which image of the file
    QSize size{};
    int nBitsAt = 0, nBits = 0;  // a 16-bit bit count in the file's header, if checked
    QRgb rgbCorners = 0;         // every corner; 0: transparent
    std::set<QRgb> colours{};    // those that must be there, and at most nMaxColours in all
    std::size_t nMaxColours = 0;
    int nGreenOverRed = 0;  // a heart: its pixels' mean green minus red, above if > 0, below if < 0
    std::vector<std::pair<QPoint, QRgb>> probes{};
};

void PrintTo(const Resource& res, std::ostream* pOut) { *pOut << res.pszName << " #" << res.nImage; }

class Resources : public testing::TestWithParam<Resource> {};

TEST_P(Resources, HaveTheirFormat)
{
    const Resource& res = GetParam();
    const QByteArray bytes = EmbeddedBytes(res.pszName);
    ASSERT_FALSE(bytes.isEmpty());
    if (res.nRate) {
        // Peaks about -3 dBFS: audible next to the others, and never clipped.
        // The infection clip's eight seconds time the Ending Act.
        QString strError;
        const auto wave = DecodeWaveResource(std::atoi(res.pszName + 5), strError);
        ASSERT_TRUE(wave) << strError.toStdString();
        EXPECT_EQ(wave->nSndfileFormat, SF_FORMAT_WAV | res.nEncoding);
        EXPECT_EQ(wave->nSampleRate, res.nRate);
        EXPECT_EQ(wave->nChannels, res.nChannels);
        EXPECT_NEAR(wave->Seconds(), res.dSeconds, 0.001);
        const auto [itMin, itMax] = std::minmax_element(wave->samples.begin(), wave->samples.end());
        EXPECT_NEAR(std::max(-*itMin, +*itMax), 32768 * 0.7, 32768 * 0.1);
        return;
    }
    const int nW = res.size.width(), nH = res.size.height();
    const std::vector<QRgb> pixels = Pixels(res.pszName, res.nImage, res.size);
    ASSERT_EQ(pixels.size(), std::size_t(nW * nH));
    EXPECT_EQ(res.nBitsAt ? qFromLittleEndian<quint16>(bytes.constData() + res.nBitsAt) : 0, res.nBits);
    for (const int i : {0, nW - 1, nW * (nH - 1), nW * nH - 1})
        EXPECT_EQ(pixels[i], res.rgbCorners) << "corner " << i;
    const std::set<QRgb> colours(pixels.begin(), pixels.end());
    EXPECT_TRUE(std::includes(colours.begin(), colours.end(), res.colours.begin(), res.colours.end()));
    EXPECT_LE(colours.size(), res.nMaxColours ? res.nMaxColours : colours.size());
    for (const auto& [pt, rgb] : res.probes)
        EXPECT_EQ(pixels[pt.y() * nW + pt.x()], rgb) << pt.x() << ", " << pt.y();
    if (!res.nGreenOverRed)
        return;
    // The infected heart keeps the healthy one's outline exactly.
    const std::vector<QRgb> healthy = Pixels("bitmap/148.bmp", 0, res.size);
    int nHeart = 0;
    double dGreenOverRed = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        ASSERT_EQ(pixels[i] == kField, healthy[i] == kField) << "pixel " << i % nW << ", " << i / nW;
        nHeart += pixels[i] != kField;
        dGreenOverRed += pixels[i] != kField ? qGreen(pixels[i]) - qRed(pixels[i]) : 0;
    }
    const double dMean = dGreenOverRed / nHeart;  // none: not a number, and fails
    EXPECT_TRUE(res.nGreenOverRed > 0 ? dMean > res.nGreenOverRed : dMean < res.nGreenOverRed) << dMean;
}

// The germ's ring about the cursor's hot spot (15, 15), which stays green.
const std::vector<std::pair<QPoint, QRgb>> kHotSpot = {{{15, 15}, kGermGreen}, {{12, 15}, kGermYellow},
                                                       {{19, 15}, kGermYellow}, {{15, 12}, kGermYellow},
                                                       {{15, 19}, kGermYellow}};
const std::set<QRgb> kIcon{kIconGround, qRgb(0, 128, 0), qRgb(255, 255, 0)};

INSTANTIATE_TEST_SUITE_P(Embedded, Resources, testing::Values(
    Resource{"wave/138.wav", SF_FORMAT_PCM_16, 22050, 1, 1.580},
    Resource{"wave/139.wav", SF_FORMAT_PCM_16, 22050, 1, 2.530},
    Resource{"wave/140.wav", SF_FORMAT_PCM_16, 22050, 1, 1.640},
    Resource{"wave/141.wav", SF_FORMAT_PCM_16, 22050, 1, 4.010},
    Resource{"wave/142.wav", SF_FORMAT_PCM_16, 22050, 1, 1.460},
    Resource{"wave/143.wav", SF_FORMAT_PCM_U8, 11025, 1, 0.740},
    Resource{"wave/145.wav", SF_FORMAT_PCM_16, 22050, 1, 1.490},
    Resource{"wave/149.wav", SF_FORMAT_MS_ADPCM, 22050, 2, 0.210},
    Resource{"wave/151.wav", SF_FORMAT_PCM_16, 32000, 2, 8.000},
    // The hearts' ground is exactly the field's red: no seam on the backdrop.
    Resource{.pszName = "bitmap/148.bmp", .size = {199, 223}, .nBitsAt = 28, .nBits = 24, .rgbCorners = kField,
             .nGreenOverRed = -40},
    Resource{.pszName = "bitmap/150.bmp", .size = {199, 223}, .nBitsAt = 28, .nBits = 24, .rgbCorners = kField,
             .nGreenOverRed = 20},
    Resource{.pszName = "icon/128.ico", .size = {32, 32}, .nBitsAt = 12, .nBits = 4, .rgbCorners = kIconGround,
             .colours = kIcon, .nMaxColours = 16},
    Resource{.pszName = "icon/128.ico", .nImage = 1, .size = {16, 16}, .nBitsAt = 28, .nBits = 4,
             .rgbCorners = kIconGround, .colours = kIcon, .nMaxColours = 16},
    Resource{.pszName = "icon/128-32.png", .size = {32, 32}, .rgbCorners = kIconGround, .colours = kIcon,
             .nMaxColours = 16},
    Resource{.pszName = "icon/128-16.png", .size = {16, 16}, .rgbCorners = kIconGround, .colours = kIcon,
             .nMaxColours = 16},
    Resource{.pszName = "cursor/130.png", .size = {32, 32}, .colours = {0, kGermGreen, kGermYellow, qRgb(0, 130, 0)},
             .nMaxColours = 4, .probes = kHotSpot}));

// Bytes that are no WAVE clip are refused with a message naming WAVE; a clip
// cut short plays what it has; a missing sound is named.
TEST(Resources, RefuseNoWaveKeepATruncatedClipAndNameAMissingOne)
{
    const QByteArray wave = EmbeddedBytes("wave/141.wav");
    QString strError;
    for (const QByteArray& bytes : {QByteArray(), QByteArray(4096, '\x5a'), QByteArray("RIFF\x10\0\0\0WAVEjunk", 16),
                                    wave.left(30), QByteArray(wave).replace(0, 4, "FORM")}) {
        EXPECT_FALSE(DecodeWave(bytes, strError)) << bytes.size() << " bytes";
        EXPECT_TRUE(strError.contains(QStringLiteral("WAVE"))) << strError.toStdString();
    }
    const auto whole = DecodeWave(wave, strError), half = DecodeWave(wave.left(wave.size() / 2), strError);
    ASSERT_TRUE(whole && half) << strError.toStdString();
    EXPECT_NEAR(double(half->nFrames), whole->nFrames / 2.0, 100.0);
    EXPECT_TRUE(std::equal(half->samples.begin(), half->samples.end(), whole->samples.begin()));
    EXPECT_FALSE(DecodeWaveResource(999, strError));
    EXPECT_TRUE(strError.contains(QStringLiteral("999"))) << strError.toStdString();
}

}  // namespace
