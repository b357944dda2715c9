#include "tools/WriteWave.h"

#include <sndfile.h>

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

namespace {

// libsndfile sizes Microsoft ADPCM blocks by rate x channels: 2048 bytes
// (2036 frames) at 22050 Hz stereo, so a 0.21 s beat would decode as three
// whole blocks, 0.28 s. Below 12000 samples a second it uses 256-byte blocks
// (244 frames); the encoding does not depend on the rate, so the clip is
// encoded at this stand-in rate and the header then states the real one.
constexpr int kAdpcmStandInRate = 4000;

std::vector<std::int16_t> Interleave(const Clip& clip)
{
    const std::size_t nChannels = clip.channels.size();
    const std::size_t nFrames = clip.channels.front().size();
    std::vector<std::int16_t> samples(nFrames * nChannels);
    for (std::size_t c = 0; c < nChannels; ++c) {
        for (std::size_t i = 0; i < nFrames; ++i) {
            const double d = std::clamp(clip.channels[c][i], -1.0, 1.0);
            samples[i * nChannels + c] = std::int16_t(std::lround(d * 32767.0));
        }
    }
    return samples;
}

bool Encode(const QString& strPath, const Clip& clip, int nRate, int nSndfileFormat, QString& strError)
{
    SF_INFO info{};
    info.samplerate = nRate;
    info.channels = int(clip.channels.size());
    info.format = nSndfileFormat;
    const QByteArray path = strPath.toLocal8Bit();
    std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(sf_open(path.constData(), SFM_WRITE, &info), sf_close);
    if (!file) {
        strError = QStringLiteral("%1: %2").arg(strPath, QString::fromUtf8(sf_strerror(nullptr)));
        return false;
    }
    const std::vector<std::int16_t> samples = Interleave(clip);
    const sf_count_t nFrames = sf_count_t(clip.channels.front().size());
    if (sf_writef_short(file.get(), samples.data(), nFrames) != nFrames) {
        strError = QStringLiteral("%1: %2").arg(strPath, QString::fromUtf8(sf_strerror(file.get())));
        return false;
    }
    return true;
}

// Sets nSamplesPerSec and nAvgBytesPerSec of the "fmt " chunk libsndfile
// writes right after the RIFF header.
bool SetAdpcmRate(const QString& strPath, int nRate, QString& strError)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadWrite)) {
        strError = QStringLiteral("%1: %2").arg(strPath, file.errorString());
        return false;
    }
    QByteArray bytes = file.readAll();
    char* pFmt = bytes.data() + 20;  // after "RIFF", size, "WAVE", "fmt ", size
    if (bytes.size() < 40 || bytes.mid(12, 4) != "fmt " || qFromLittleEndian<quint16>(pFmt) != 2) {
        strError = QStringLiteral("%1: not the MS ADPCM header expected").arg(strPath);
        return false;
    }
    const quint16 nBlockAlign = qFromLittleEndian<quint16>(pFmt + 12);
    const quint16 nSamplesPerBlock = qFromLittleEndian<quint16>(pFmt + 18);
    qToLittleEndian<quint32>(quint32(nRate), pFmt + 4);
    qToLittleEndian<quint32>(quint32(nRate) * nBlockAlign / nSamplesPerBlock, pFmt + 8);
    file.seek(0);
    if (file.write(bytes) != bytes.size()) {
        strError = QStringLiteral("%1: %2").arg(strPath, file.errorString());
        return false;
    }
    return true;
}

}  // namespace

bool WriteWave(const QString& strPath, const Clip& clip, int nSndfileFormat, QString& strError)
{
    if ((nSndfileFormat & SF_FORMAT_SUBMASK) != SF_FORMAT_MS_ADPCM) {
        return Encode(strPath, clip, clip.nRate, nSndfileFormat, strError);
    }
    return Encode(strPath, clip, kAdpcmStandInRate, nSndfileFormat, strError) &&
           SetAdpcmRate(strPath, clip.nRate, strError);
}
