#pragma once
// Decodes an embedded WAVE clip (PCM 8/16-bit or Microsoft ADPCM) with
// libsndfile, straight from the resource bytes, into interleaved 16-bit PCM.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

struct DecodedWave {
    int nSampleRate = 0;
    int nChannels = 0;
    int nSndfileFormat = 0;  // libsndfile's SF_FORMAT_* word: container | encoding
    std::int64_t nFrames = 0;
    std::vector<std::int16_t> samples;  // interleaved, nFrames * nChannels

    double Seconds() const { return nSampleRate ? double(nFrames) / nSampleRate : 0.0; }
};

// Returns nothing and sets strError when the bytes are not a WAVE clip that
// libsndfile can read.
std::optional<DecodedWave> DecodeWave(const QByteArray& bytes, QString& strError);

// The embedded clip of a sound id (":/res/wave/<id>.wav"), decoded.
std::optional<DecodedWave> DecodeWaveResource(int nSoundId, QString& strError);
