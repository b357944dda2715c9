#pragma once
// The nine WAVE clips: their exact formats and the recipe that makes each.
#include <QString>
#include <vector>

#include "tools/Synth.h"

struct SoundRecipe {
    int nId;
    int nSndfileFormat;
    int nRate;
    int nChannels;
    double dSeconds;
    std::vector<Signal> (*pfnSynth)(int nRate, std::size_t nFrames);
};

const std::vector<SoundRecipe>& SoundRecipes();

// Synthesises every clip into strDir/<id>.wav; appends the file names written.
bool WriteSounds(const QString& strDir, QStringList& files, QString& strError);

// The recipes, by sound (SynthEffects.cpp, SynthHeart.cpp).
std::vector<Signal> SynthBubbles(int nRate, std::size_t nFrames);
std::vector<Signal> SynthInfect(int nRate, std::size_t nFrames);
std::vector<Signal> SynthCount(int nRate, std::size_t nFrames);
std::vector<Signal> SynthDeath(int nRate, std::size_t nFrames);
std::vector<Signal> SynthBurst(int nRate, std::size_t nFrames);
std::vector<Signal> SynthGrab(int nRate, std::size_t nFrames);
std::vector<Signal> SynthSpray(int nRate, std::size_t nFrames);
std::vector<Signal> SynthHeartbeat(int nRate, std::size_t nFrames);
std::vector<Signal> SynthInfection(int nRate, std::size_t nFrames);
