#pragma once
// The program's own WAVE resources, played asynchronously by the system.
#include "platform/win32/WinApi.h"

class WaveSound {
public:
    explicit WaveSound(HINSTANCE hInstance) : m_hInstance(hInstance) {}
    ~WaveSound();
    WaveSound(const WaveSound&) = delete;
    WaveSound& operator=(const WaveSound&) = delete;

    // A new sound cuts off the one playing. Without a sound device, or
    // without the resource, nothing is heard and play goes on: the system
    // default sound is never played in its place.
    void Play(int nSoundId);

private:
    HINSTANCE m_hInstance;
};
