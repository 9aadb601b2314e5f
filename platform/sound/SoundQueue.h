#pragma once

#include "DecodedSound.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;
class QIODevice;

namespace zornalit {

// The most converted sound that may wait for the output at once.
constexpr qint64 queuedSoundBudgetBytes = 16 * 1024 * 1024;

// Plays sounds one after another on the default audio output, each to its
// end. Everything is pushed from memory by a timer on the calling thread, so
// nothing ever waits for the sound card.
class SoundQueue : public QObject {
    Q_OBJECT
public:
    explicit SoundQueue(QObject* parent = nullptr);
    ~SoundQueue() override;

    // Adds the sound after whatever is playing and returns at once. Without
    // a usable audio output the sound is skipped; that is reported once on
    // stderr, not again for every sound while the output stays missing.
    // False, with a Russian reason, when the sound converted for the output
    // would not fit in queuedSoundBudgetBytes beside what still waits.
    bool enqueue(const DecodedSound& sound, QString* why);

    // Whether anything queued has not been heard to its end yet.
    bool isPlaying() const;

private:
    bool startOutput(const DecodedSound& first);
    void feed();
    void stopOutput();
    void dropEverything(const QString& warning);
    void tellOnce(const QString& warning);

    std::unique_ptr<QAudioSink> m_sink;
    QIODevice* m_output = nullptr;
    QAudioFormat m_format;
    QByteArray m_pending;
    qsizetype m_sent = 0;
    int m_quietTicks = 0;
    QTimer m_pump;
    bool m_toldNoOutput = false;
};

} // namespace zornalit
