#include "platform/win32/WaveSound.h"

#include <mmsystem.h>

WaveSound::~WaveSound()
{
    // A sound still playing reads the program's image; stop it before the
    // program goes.
    ::PlaySoundW(nullptr, nullptr, 0);
}

void WaveSound::Play(int nSoundId)
{
    ::PlaySoundW(MAKEINTRESOURCEW(nSoundId), m_hInstance, SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}
