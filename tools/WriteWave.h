#pragma once
// Writes a clip through libsndfile in the exact WAVE format a resource needs.
#include <QString>

#include "tools/Synth.h"

// nSndfileFormat is SF_FORMAT_WAV | an encoding (PCM_16, PCM_U8, MS_ADPCM).
// Samples are rounded to 16 bits first, so the bytes are the same every run.
bool WriteWave(const QString& strPath, const Clip& clip, int nSndfileFormat, QString& strError);
