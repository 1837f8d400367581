// The sound player: WAVE data from the resource library played from memory,
// at once, to its end or looping; a new sound replaces the one that plays.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>

#include "engine/Host.h"

class QAudioSink;
class QBuffer;

namespace tarvelle {

// The samples of a WAVE image and how to play them.
struct WaveData {
    QAudioFormat format;
    QByteArray samples;
};

// Reads a RIFF WAVE image of PCM (8, 16 or 32 bits) or 32-bit float samples;
// nullopt for anything else.
std::optional<WaveData> parseWave(const QByteArray& image);

// The WAVE image of a sound word; nullopt when the library holds no such word.
using SoundSource = std::function<std::optional<QByteArray>(std::string_view word)>;

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(SoundSource source, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // A word the library does not hold, or whose data is no WAVE image, stops
    // the sound that plays. Without an audio device nothing plays.
    void play(std::string_view word, SoundMode mode);
    void stop();

    bool playing() const;
    // The word of the sound started last, for the window's own checks.
    const std::string& lastWord() const { return lastWord_; }

private:
    void restartLoop();

    SoundSource source_;
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QBuffer> buffer_;
    QByteArray samples_;
    bool looping_ = false;
    std::string lastWord_;
};

}  // namespace tarvelle
