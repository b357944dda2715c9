#include "platform/qt/SoundPlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <cstdio>

#include "platform/qt/WaveDecoder.h"

SoundPlayer::SoundPlayer() = default;

SoundPlayer::~SoundPlayer()
{
    if (m_pSink)
        m_pSink->stop();
}

void SoundPlayer::PlaySound(int nSoundId)
{
    if (m_bSilent)
        return;
    const Clip* pClip = FindClip(nSoundId);
    if (!pClip)
        return;
    // Each sound gets a sink of its own and the old one goes first, which
    // cuts off the clip playing. Stopping and restarting one sink instead
    // loses most of a quick run of sounds (the heartbeats) on PulseAudio.
    m_pSink.reset();
    if (!StartSink(pClip->format))
        return;
    auto pBuffer = std::make_unique<QBuffer>();
    pBuffer->setData(pClip->pcm);
    pBuffer->open(QIODevice::ReadOnly);
    m_pSink->start(pBuffer.get());
    m_pBuffer = std::move(pBuffer);
    // With no device behind it, start() fails at once and no signal follows.
    if (m_pSink->state() == QAudio::StoppedState && m_pSink->error() != QAudio::NoError)
        ReportSilence("the audio output cannot be opened");
}

const SoundPlayer::Clip* SoundPlayer::FindClip(int nSoundId)
{
    if (auto it = m_mapClips.find(nSoundId); it != m_mapClips.end())
        return &it->second;
    if (m_setBadIds.count(nSoundId))
        return nullptr;
    QString strError;
    const std::optional<DecodedWave> wave = DecodeWaveResource(nSoundId, strError);
    if (!wave || wave->samples.empty()) {
        m_setBadIds.insert(nSoundId);
        std::fprintf(stderr, "vasculon: sound %d cannot be played: %s\n", nSoundId,
                     qUtf8Printable(strError.isEmpty() ? QStringLiteral("empty clip") : strError));
        return nullptr;
    }
    Clip clip;
    clip.format.setSampleRate(wave->nSampleRate);
    clip.format.setChannelCount(wave->nChannels);
    clip.format.setSampleFormat(QAudioFormat::Int16);
    clip.pcm = QByteArray(reinterpret_cast<const char*>(wave->samples.data()),
                          qsizetype(wave->samples.size() * sizeof(std::int16_t)));
    return &m_mapClips.emplace(nSoundId, std::move(clip)).first->second;
}

bool SoundPlayer::StartSink(const QAudioFormat& format)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        ReportSilence("no audio output device");
        return false;
    }
    // The sink stays alive after it reports Idle, until the next sound: Idle
    // comes well before the last samples have been heard.
    m_pSink = std::make_unique<QAudioSink>(device, format);
    return true;
}

void SoundPlayer::ReportSilence(const char* pszWhy)
{
    m_bSilent = true;
    std::fprintf(stderr, "vasculon: %s; playing without sound\n", pszWhy);
}
