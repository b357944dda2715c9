#pragma once
// Plays the embedded WAVE clips one at a time: a new sound cuts off the one
// playing. Clips are decoded once, on first use. Without an audio device, or
// once the audio server has gone away, the game stays silent and says so in
// one line; Qt's own lines about the lost server are kept off stderr.
#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QtGlobal>
#include <map>
#include <memory>
#include <set>

class QAudioSink;

class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts the clip and returns at once.
    void PlaySound(int nSoundId);

private:
    struct Clip {
        QAudioFormat format;
        QByteArray pcm;  // interleaved 16-bit samples
    };

    const Clip* FindClip(int nSoundId);
    bool StartSink(const QAudioFormat& format);
    void RetireSink();
    void ReportSilence(const char* pszWhy);
    const char* LostOr(const char* pszNeverOpened) const;
    static void FilterMessage(QtMsgType type, const QMessageLogContext& context, const QString& str);

    std::map<int, Clip> m_mapClips;
    std::set<int> m_setBadIds;  // reported once, then skipped quietly
    std::unique_ptr<QBuffer> m_pBuffer;  // the clip the sink is reading
    std::unique_ptr<QAudioSink> m_pSink;  // declared last: goes before its buffer
    bool m_bSilent = false;  // no usable audio output this run
    bool m_bPlayedOnce = false;  // a sink has started: a failure now means the output was lost
    QtMessageHandler m_previousHandler = nullptr;
};
