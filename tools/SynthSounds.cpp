#include "tools/SynthSounds.h"

#include <sndfile.h>

#include <QStringList>
#include <cmath>

#include "platform/ResourceIds.h"
#include "tools/WriteWave.h"

namespace {

constexpr int kPcm16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
constexpr int kPcmU8 = SF_FORMAT_WAV | SF_FORMAT_PCM_U8;
constexpr int kMsAdpcm = SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM;

// -3 dBFS: loud enough to match the other clips, with room for the ADPCM
// encoder's overshoot.
const double kPeak = std::pow(10.0, -3.0 / 20.0);
constexpr double kEdgeFadeSeconds = 0.003;

}  // namespace

const std::vector<SoundRecipe>& SoundRecipes()
{
    static const std::vector<SoundRecipe> recipes{
        {ids::kSoundUnused, kPcm16, 22050, 1, 1.58, SynthBubbles},
        {ids::kSoundInfect, kPcm16, 22050, 1, 2.53, SynthInfect},
        {ids::kSoundCount, kPcm16, 22050, 1, 1.64, SynthCount},
        {ids::kSoundDeath, kPcm16, 22050, 1, 4.01, SynthDeath},
        {ids::kSoundBurst, kPcm16, 22050, 1, 1.46, SynthBurst},
        {ids::kSoundGrab, kPcmU8, 11025, 1, 0.74, SynthGrab},
        {ids::kSoundSpray, kPcm16, 22050, 1, 1.49, SynthSpray},
        {ids::kSoundHeartbeat, kMsAdpcm, 22050, 2, 0.21, SynthHeartbeat},
        {ids::kSoundInfection, kPcm16, 32000, 2, 8.00, SynthInfection},
    };
    return recipes;
}

bool WriteSounds(const QString& strDir, QStringList& files, QString& strError)
{
    for (const SoundRecipe& recipe : SoundRecipes()) {
        Clip clip{recipe.nRate, recipe.pfnSynth(recipe.nRate, Frames(recipe.dSeconds, recipe.nRate))};
        if (int(clip.channels.size()) != recipe.nChannels) {
            strError = QStringLiteral("sound %1: recipe made %2 channels, want %3")
                           .arg(recipe.nId).arg(clip.channels.size()).arg(recipe.nChannels);
            return false;
        }
        for (Signal& channel : clip.channels) {
            FadeEdges(channel, recipe.nRate, kEdgeFadeSeconds);
        }
        Normalise(clip, kPeak);
        const QString strName = QStringLiteral("wave/%1.wav").arg(recipe.nId);
        if (!WriteWave(strDir + '/' + strName, clip, recipe.nSndfileFormat, strError)) {
            return false;
        }
        files.append(strName);
    }
    return true;
}
