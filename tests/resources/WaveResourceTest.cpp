// Every clip the game plays, decoded from the embedded bytes as the host does.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <QFile>
#include <algorithm>
#include <cstdlib>

#include "platform/ResourceIds.h"
#include "platform/qt/WaveDecoder.h"

namespace {

struct ClipFormat {
    int nId;
    int nEncoding;  // SF_FORMAT_* subtype
    int nRate;
    int nChannels;
    double dSeconds;
};

void PrintTo(const ClipFormat& clip, std::ostream* pOut)
{
    *pOut << "sound " << clip.nId;
}

constexpr ClipFormat kClips[] = {
    {ids::kSoundUnused, SF_FORMAT_PCM_16, 22050, 1, 1.58},
    {ids::kSoundInfect, SF_FORMAT_PCM_16, 22050, 1, 2.53},
    {ids::kSoundCount, SF_FORMAT_PCM_16, 22050, 1, 1.64},
    {ids::kSoundDeath, SF_FORMAT_PCM_16, 22050, 1, 4.01},
    {ids::kSoundBurst, SF_FORMAT_PCM_16, 22050, 1, 1.46},
    {ids::kSoundGrab, SF_FORMAT_PCM_U8, 11025, 1, 0.74},
    {ids::kSoundSpray, SF_FORMAT_PCM_16, 22050, 1, 1.49},
    {ids::kSoundHeartbeat, SF_FORMAT_MS_ADPCM, 22050, 2, 0.21},
    {ids::kSoundInfection, SF_FORMAT_PCM_16, 32000, 2, 8.00},
};

QByteArray EmbeddedBytes(int nId)
{
    QFile file(QStringLiteral(":/res/wave/%1.wav").arg(nId));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class EmbeddedClip : public testing::TestWithParam<ClipFormat> {};

TEST_P(EmbeddedClip, DecodesWithItsFormatAndDuration)
{
    const ClipFormat& clip = GetParam();
    QString strError;
    const std::optional<DecodedWave> wave = DecodeWaveResource(clip.nId, strError);
    ASSERT_TRUE(wave) << strError.toStdString();
    EXPECT_EQ(wave->nSndfileFormat, SF_FORMAT_WAV | clip.nEncoding);
    EXPECT_EQ(wave->nSampleRate, clip.nRate);
    EXPECT_EQ(wave->nChannels, clip.nChannels);
    EXPECT_NEAR(wave->Seconds(), clip.dSeconds, 0.010);
    EXPECT_EQ(wave->samples.size(), std::size_t(wave->nFrames * wave->nChannels));
}

// About -3 dBFS: audible next to the others, and never clipped.
TEST_P(EmbeddedClip, PeaksNearMinusThreeDecibels)
{
    QString strError;
    const std::optional<DecodedWave> wave = DecodeWaveResource(GetParam().nId, strError);
    ASSERT_TRUE(wave) << strError.toStdString();
    const auto [itMin, itMax] = std::minmax_element(wave->samples.begin(), wave->samples.end());
    const int nPeak = std::max(std::abs(int(*itMin)), std::abs(int(*itMax)));
    EXPECT_GT(nPeak, 32768 * 0.6);
    EXPECT_LT(nPeak, 32768 * 0.8);
}

INSTANTIATE_TEST_SUITE_P(EverySound, EmbeddedClip, testing::ValuesIn(kClips));

TEST(WaveResources, InfectionLastsExactlyEightSeconds)
{
    QString strError;
    const std::optional<DecodedWave> wave = DecodeWaveResource(ids::kSoundInfection, strError);
    ASSERT_TRUE(wave) << strError.toStdString();
    EXPECT_EQ(wave->nFrames, 8 * 32000);
}

TEST(WaveDecoder, RefusesBytesThatAreNoWave)
{
    const QByteArray wave = EmbeddedBytes(ids::kSoundCount);
    ASSERT_FALSE(wave.isEmpty());
    QByteArray aiff = wave;
    aiff.replace(0, 4, "FORM");
    for (const QByteArray& bytes : {QByteArray(), QByteArray(4096, '\x5a'), QByteArray("RIFF\x10\0\0\0WAVEjunk", 16),
                                    wave.left(30), aiff}) {
        QString strError;
        EXPECT_FALSE(DecodeWave(bytes, strError)) << bytes.size() << " bytes";
        EXPECT_TRUE(strError.contains(QStringLiteral("WAVE"))) << strError.toStdString();
    }
}

// A clip whose data stops early still plays what it has.
TEST(WaveDecoder, DecodesTheFramesOfATruncatedClip)
{
    const QByteArray wave = EmbeddedBytes(ids::kSoundDeath);
    QString strError;
    const std::optional<DecodedWave> whole = DecodeWave(wave, strError);
    const std::optional<DecodedWave> half = DecodeWave(wave.left(wave.size() / 2), strError);
    ASSERT_TRUE(whole && half) << strError.toStdString();
    EXPECT_NEAR(double(half->nFrames), whole->nFrames / 2.0, 100.0);
    EXPECT_TRUE(std::equal(half->samples.begin(), half->samples.end(), whole->samples.begin()));
}

TEST(WaveDecoder, NamesAMissingSound)
{
    QString strError;
    EXPECT_FALSE(DecodeWaveResource(999, strError));
    EXPECT_TRUE(strError.contains(QStringLiteral("999"))) << strError.toStdString();
}

}  // namespace
