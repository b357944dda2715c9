#include "platform/qt/SoundPlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>
#include <cstdio>

#include "platform/qt/WaveDecoder.h"

namespace {

SoundPlayer* s_pPlayer = nullptr;  // the player whose silence Qt's audio warnings announce

// What Qt's PulseAudio backend writes, line after line, when the server goes
// away or cannot be reached (Qt 6.4: plain warnings, no category of their own).
bool IsAudioServerWarning(const QString& str)
{
    return str.startsWith(QLatin1String("PulseAudioService:")) || str.contains(QLatin1String("Stream error:"));
}

}  // namespace

SoundPlayer::SoundPlayer()
{
    s_pPlayer = this;
    m_previousHandler = qInstallMessageHandler(&SoundPlayer::FilterMessage);
}

SoundPlayer::~SoundPlayer()
{
    // The retired sinks go now: the audio engine is torn down after us.
    RetireSink();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qInstallMessageHandler(m_previousHandler);
    s_pPlayer = nullptr;
}

void SoundPlayer::FilterMessage(QtMsgType type, const QMessageLogContext& context, const QString& str)
{
    if (s_pPlayer != nullptr && type == QtWarningMsg && IsAudioServerWarning(str)) {
        s_pPlayer->ReportSilence(s_pPlayer->LostOr("the audio output cannot be opened"));
        return;
    }
    if (s_pPlayer != nullptr && s_pPlayer->m_previousHandler != nullptr)
        s_pPlayer->m_previousHandler(type, context, str);
}

void SoundPlayer::PlaySound(int nSoundId)
{
    if (m_bSilent)
        return;
    const Clip* pClip = FindClip(nSoundId);
    if (!pClip)
        return;
    // Each sound gets a sink of its own and the old one is stopped first,
    // which cuts off the clip playing. Stopping and restarting one sink
    // instead loses most of a quick run of sounds (the heartbeats) on
    // PulseAudio.
    RetireSink();
    if (!StartSink(pClip->format))
        return;
    auto pBuffer = std::make_unique<QBuffer>();
    pBuffer->setData(pClip->pcm);
    pBuffer->open(QIODevice::ReadOnly);
    m_pSink->start(pBuffer.get());
    m_pBuffer = std::move(pBuffer);
    // With no device behind it, start() fails at once and no signal follows.
    if (m_pSink->state() == QAudio::StoppedState && m_pSink->error() != QAudio::NoError)
        ReportSilence(LostOr("the audio output cannot be opened"));
    else
        m_bPlayedOnce = true;
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

// Destroying a sink that is still playing can abort inside PulseAudio: its
// destructor runs queued events that write to the stream it has just closed.
// So it is stopped now and deleted later by the event loop, with its buffer.
void SoundPlayer::RetireSink()
{
    if (!m_pSink)
        return;
    m_pSink->stop();
    QAudioSink* pSink = m_pSink.release();
    if (m_pBuffer)
        m_pBuffer.release()->setParent(pSink);
    pSink->deleteLater();
}

bool SoundPlayer::StartSink(const QAudioFormat& format)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        ReportSilence(LostOr("no audio output device"));
        return false;
    }
    // The sink stays alive after it reports Idle, until the next sound: Idle
    // comes well before the last samples have been heard.
    m_pSink = std::make_unique<QAudioSink>(device, format);
    return true;
}

// The game never reconnects: after the server went away it plays on silently.
const char* SoundPlayer::LostOr(const char* pszNeverOpened) const
{
    return m_bPlayedOnce ? "the audio output was lost" : pszNeverOpened;
}

void SoundPlayer::ReportSilence(const char* pszWhy)
{
    if (m_bSilent)
        return;
    m_bSilent = true;
    std::fprintf(stderr, "vasculon: %s; playing without sound\n", pszWhy);
}
