#include "platform/qt/WaveDecoder.h"

#include <sndfile.h>

#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// libsndfile's virtual I/O over a read-only byte array.
struct ByteSource {
    const QByteArray& bytes;
    sf_count_t nPos = 0;
};

ByteSource& SourceOf(void* pUser)
{
    return *static_cast<ByteSource*>(pUser);
}

sf_count_t GetLength(void* pUser)
{
    return SourceOf(pUser).bytes.size();
}

sf_count_t Seek(sf_count_t nOffset, int nWhence, void* pUser)
{
    ByteSource& src = SourceOf(pUser);
    const sf_count_t nBase = nWhence == SEEK_CUR ? src.nPos : nWhence == SEEK_END ? src.bytes.size() : 0;
    src.nPos = std::clamp<sf_count_t>(nBase + nOffset, 0, src.bytes.size());
    return src.nPos;
}

sf_count_t Read(void* pDest, sf_count_t nCount, void* pUser)
{
    ByteSource& src = SourceOf(pUser);
    const sf_count_t nRead = std::clamp<sf_count_t>(src.bytes.size() - src.nPos, 0, nCount);
    std::memcpy(pDest, src.bytes.constData() + src.nPos, std::size_t(nRead));
    src.nPos += nRead;
    return nRead;
}

sf_count_t Write(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t Tell(void* pUser)
{
    return SourceOf(pUser).nPos;
}

}  // namespace

std::optional<DecodedWave> DecodeWave(const QByteArray& bytes, QString& strError)
{
    if (bytes.isEmpty()) {
        strError = QStringLiteral("Not a WAVE clip: no data.");
        return std::nullopt;
    }
    SF_VIRTUAL_IO io{GetLength, Seek, Read, Write, Tell};
    ByteSource src{bytes};
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(sf_open_virtual(&io, SFM_READ, &info, &src),
                                                           sf_close);
    if (!file) {
        strError = QStringLiteral("Not a WAVE clip libsndfile can read: %1").arg(sf_strerror(nullptr));
        return std::nullopt;
    }
    if ((info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_WAV) {
        strError = QStringLiteral("Not a WAVE clip: libsndfile reads it as another container (0x%1).")
                       .arg(info.format & SF_FORMAT_TYPEMASK, 0, 16);
        return std::nullopt;
    }
    if (info.channels < 1 || info.samplerate < 1 || info.frames < 1) {
        strError = QStringLiteral("WAVE clip holds no sound: %1 frames, %2 channel(s) at %3 Hz.")
                       .arg(info.frames).arg(info.channels).arg(info.samplerate);
        return std::nullopt;
    }

    DecodedWave wave;
    wave.nSampleRate = info.samplerate;
    wave.nChannels = info.channels;
    wave.nSndfileFormat = info.format;
    wave.samples.resize(std::size_t(info.frames * info.channels));
    wave.nFrames = sf_readf_short(file.get(), wave.samples.data(), info.frames);
    if (wave.nFrames < 1) {
        strError = QStringLiteral("WAVE clip cannot be decoded: %1").arg(sf_strerror(file.get()));
        return std::nullopt;
    }
    // A clip cut short still plays what it has.
    wave.samples.resize(std::size_t(wave.nFrames * info.channels));
    return wave;
}

std::optional<DecodedWave> DecodeWaveResource(int nSoundId, QString& strError)
{
    QFile file(QStringLiteral(":/res/wave/%1.wav").arg(nSoundId));
    if (!file.open(QIODevice::ReadOnly)) {
        strError = QStringLiteral("No embedded sound %1 (%2).").arg(nSoundId).arg(file.fileName());
        return std::nullopt;
    }
    std::optional<DecodedWave> wave = DecodeWave(file.readAll(), strError);
    if (!wave) {
        strError = QStringLiteral("Sound %1: %2").arg(nSoundId).arg(strError);
    }
    return wave;
}
