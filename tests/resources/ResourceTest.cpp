// Every embedded resource, read back from the compiled-in .qrc exactly as the
// host reads it: WAVE clips through WaveDecoder, pictures through QImage.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <set>

#include "platform/ResourceIds.h"
#include "platform/qt/WaveDecoder.h"

namespace {

QByteArray EmbeddedBytes(const QString& strName)
{
    QFile file(QStringLiteral(":/res/") + strName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct ClipFormat {
    int nId;
    int nEncoding;  // SF_FORMAT_* subtype
    int nRate;
    int nChannels;
    double dSeconds;
};

void PrintTo(const ClipFormat& clip, std::ostream* pOut) { *pOut << "sound " << clip.nId; }

class EmbeddedClip : public testing::TestWithParam<ClipFormat> {};

// Peaks about -3 dBFS: audible next to the others, and never clipped. The
// infection clip's eight seconds time the Ending Act.
TEST_P(EmbeddedClip, DecodesWithItsFormatDurationAndLevel)
{
    const ClipFormat& clip = GetParam();
    QString strError;
    const std::optional<DecodedWave> wave = DecodeWaveResource(clip.nId, strError);
    ASSERT_TRUE(wave) << strError.toStdString();
    EXPECT_EQ(wave->nSndfileFormat, SF_FORMAT_WAV | clip.nEncoding);
    EXPECT_EQ(wave->nSampleRate, clip.nRate);
    EXPECT_EQ(wave->nChannels, clip.nChannels);
    EXPECT_NEAR(wave->Seconds(), clip.dSeconds, 0.001);
    EXPECT_EQ(wave->samples.size(), std::size_t(wave->nFrames * wave->nChannels));
    const auto [itMin, itMax] = std::minmax_element(wave->samples.begin(), wave->samples.end());
    const int nPeak = std::max(-int(*itMin), int(*itMax));
    EXPECT_GT(nPeak, 32768 * 0.6);
    EXPECT_LT(nPeak, 32768 * 0.8);
}

INSTANTIATE_TEST_SUITE_P(EverySound, EmbeddedClip, testing::Values(
    ClipFormat{ids::kSoundUnused, SF_FORMAT_PCM_16, 22050, 1, 1.580},
    ClipFormat{ids::kSoundInfect, SF_FORMAT_PCM_16, 22050, 1, 2.530},
    ClipFormat{ids::kSoundCount, SF_FORMAT_PCM_16, 22050, 1, 1.640},
    ClipFormat{ids::kSoundDeath, SF_FORMAT_PCM_16, 22050, 1, 4.010},
    ClipFormat{ids::kSoundBurst, SF_FORMAT_PCM_16, 22050, 1, 1.460},
    ClipFormat{ids::kSoundGrab, SF_FORMAT_PCM_U8, 11025, 1, 0.740},
    ClipFormat{ids::kSoundSpray, SF_FORMAT_PCM_16, 22050, 1, 1.490},
    ClipFormat{ids::kSoundHeartbeat, SF_FORMAT_MS_ADPCM, 22050, 2, 0.210},
    ClipFormat{ids::kSoundInfection, SF_FORMAT_PCM_16, 32000, 2, 8.000}));

// Bad bytes are refused with a message naming WAVE; a clip cut short plays
// what it has; a missing sound is named.
TEST(WaveDecoder, RefusesNoWaveKeepsATruncatedClipAndNamesAMissingOne)
{
    const QByteArray wave = EmbeddedBytes(QStringLiteral("wave/%1.wav").arg(ids::kSoundDeath));
    ASSERT_FALSE(wave.isEmpty());
    QByteArray aiff = wave;
    aiff.replace(0, 4, "FORM");
    QString strError;
    for (const QByteArray& bytes : {QByteArray(), QByteArray(4096, '\x5a'),
                                    QByteArray("RIFF\x10\0\0\0WAVEjunk", 16), wave.left(30), aiff}) {
        EXPECT_FALSE(DecodeWave(bytes, strError)) << bytes.size() << " bytes";
        EXPECT_TRUE(strError.contains(QStringLiteral("WAVE"))) << strError.toStdString();
    }
    const std::optional<DecodedWave> whole = DecodeWave(wave, strError);
    const std::optional<DecodedWave> half = DecodeWave(wave.left(wave.size() / 2), strError);
    ASSERT_TRUE(whole && half) << strError.toStdString();
    EXPECT_NEAR(double(half->nFrames), whole->nFrames / 2.0, 100.0);
    EXPECT_TRUE(std::equal(half->samples.begin(), half->samples.end(), whole->samples.begin()));
    EXPECT_FALSE(DecodeWaveResource(999, strError));
    EXPECT_TRUE(strError.contains(QStringLiteral("999"))) << strError.toStdString();
}

struct Picture {
    const char* pszName;
    QSize size;
    QRgb rgbCorner;            // every corner; 0 for transparent
    std::set<QRgb> required;   // colours that must be there (0: transparent)
    std::size_t nMaxColours;   // 0: any number
};

void PrintTo(const Picture& picture, std::ostream* pOut) { *pOut << picture.pszName; }

class EmbeddedPicture : public testing::TestWithParam<Picture> {};

// The hearts' ground is exactly the field's red, so they sit on the backdrop
// without a seam; icons keep to 16 colours; the cursor is hard-edged.
TEST_P(EmbeddedPicture, HasItsSizeCornersAndColours)
{
    const Picture& picture = GetParam();
    const QImage img = QImage(QStringLiteral(":/res/") + picture.pszName)
                           .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(img.size(), picture.size);
    const auto colour = [&img](int x, int y) { return qAlpha(img.pixel(x, y)) ? img.pixel(x, y) : 0; };
    std::set<QRgb> colours;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            colours.insert(colour(x, y));
    for (const int x : {0, img.width() - 1})
        for (const int y : {0, img.height() - 1})
            EXPECT_EQ(colour(x, y), picture.rgbCorner) << x << ", " << y;
    EXPECT_TRUE(std::includes(colours.begin(), colours.end(), picture.required.begin(),
                              picture.required.end()));
    EXPECT_LE(colours.size(), picture.nMaxColours ? picture.nMaxColours : colours.size());
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, EmbeddedPicture, testing::Values(
    Picture{"bitmap/148.bmp", QSize(199, 223), qRgb(150, 0, 0), {qRgb(150, 0, 0)}, 0},
    Picture{"bitmap/150.bmp", QSize(199, 223), qRgb(150, 0, 0), {qRgb(150, 0, 0)}, 0},
    Picture{"icon/128-32.png", QSize(32, 32), qRgb(128, 0, 0), {qRgb(0, 128, 0), qRgb(255, 255, 0)}, 16},
    Picture{"icon/128-16.png", QSize(16, 16), qRgb(128, 0, 0), {qRgb(0, 128, 0), qRgb(255, 255, 0)}, 16},
    Picture{"cursor/130.png", QSize(32, 32), 0,
            {0, qRgb(0, 154, 0), qRgb(198, 195, 0), qRgb(0, 130, 0)}, 4}));

// Each heart, a 24-bit bitmap, fills its middle in colours a player tells
// from the ground; the infected one has the same outline, but green.
TEST(HeartBitmaps, AreTwoHeartsOfOneOutlineTheInfectedOneGreen)
{
    const char* pszNames[2] = {"bitmap/148.bmp", "bitmap/150.bmp"};
    const QImage hearts[2] = {QImage(QStringLiteral(":/res/") + pszNames[0]),
                              QImage(QStringLiteral(":/res/") + pszNames[1])};
    const QRgb rgbGround = qRgb(150, 0, 0);
    const QRect centre(199 / 3, 223 / 3, 199 / 3, 223 / 3);
    int nHeart[2] = {}, nCentre[2] = {}, nClear[2] = {}, nOutlinesDiffer = 0;
    double dGreen[2] = {};
    for (int y = 0; y < 223; ++y) {
        for (int x = 0; x < 199; ++x) {
            nOutlinesDiffer += (hearts[0].pixel(x, y) == rgbGround) != (hearts[1].pixel(x, y) == rgbGround);
            for (int i : {0, 1}) {
                const QRgb rgb = hearts[i].pixel(x, y);
                const bool bHeart = rgb != rgbGround;
                nHeart[i] += bHeart;
                nCentre[i] += bHeart && centre.contains(x, y);
                nClear[i] += bHeart && std::abs(qRed(rgb) - 150) + qGreen(rgb) + qBlue(rgb) > 60;
                dGreen[i] += bHeart ? qGreen(rgb) - qRed(rgb) : 0;
            }
        }
    }
    EXPECT_EQ(nOutlinesDiffer, 0);
    for (int i : {0, 1}) {
        EXPECT_EQ(qFromLittleEndian<quint16>(EmbeddedBytes(pszNames[i]).constData() + 28), 24);
        EXPECT_GT(nHeart[i], 199 * 223 / 3);
        EXPECT_LT(nHeart[i], 199 * 223 * 4 / 5);
        EXPECT_GT(nCentre[i], centre.width() * centre.height() * 95 / 100);
        EXPECT_GT(nClear[i], nHeart[i] * 9 / 10);
    }
    EXPECT_LT(dGreen[0] / nHeart[0], -40.0);
    EXPECT_GT(dGreen[1] / nHeart[1], 20.0);
}

// The .ico directory: two 16-colour images, 32 and 16 pixels, whose data lie
// within the file.
TEST(Icon, HoldsThirtyTwoAndSixteenPixelImagesOfSixteenColours)
{
    const QByteArray ico = EmbeddedBytes(QStringLiteral("icon/128.ico"));
    ASSERT_GE(ico.size(), 6 + 2 * 16);
    EXPECT_EQ(qFromLittleEndian<quint16>(ico.constData() + 2), 1);  // icon, not cursor
    ASSERT_EQ(qFromLittleEndian<quint16>(ico.constData() + 4), 2);
    std::set<int> sizes;
    for (const char* pEntry = ico.constData() + 6; pEntry < ico.constData() + 6 + 32; pEntry += 16) {
        sizes.insert(quint8(pEntry[0]));
        EXPECT_EQ(quint8(pEntry[1]), quint8(pEntry[0]));
        EXPECT_EQ(quint8(pEntry[2]), 16);                      // colours
        EXPECT_EQ(qFromLittleEndian<quint16>(pEntry + 6), 4);  // bits per pixel
        EXPECT_LE(qFromLittleEndian<quint32>(pEntry + 8) + qFromLittleEndian<quint32>(pEntry + 12),
                  quint32(ico.size()));
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));
}

}  // namespace
