// The sound player: WAVE data from the resource library played from memory,
// at once, to its end or looping; a new sound replaces the one that plays.
#include "ui/SoundPlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QThread>

namespace tarvelle {

namespace {

quint32 little32(const QByteArray& b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<quint32>(p[3]) << 24);
}
quint16 little16(const QByteArray& b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return static_cast<quint16>(p[0] | (p[1] << 8));
}

}  // namespace

std::optional<WaveData> parseWave(const QByteArray& image) {
    if (image.size() < 12 || !image.startsWith("RIFF") || image.mid(8, 4) != "WAVE") return std::nullopt;
    std::optional<QAudioFormat> format;
    qsizetype at = 12;
    while (at + 8 <= image.size()) {
        const QByteArray id = image.mid(at, 4);
        const quint32 size = little32(image, at + 4);
        const qsizetype body = at + 8;
        if (size > static_cast<quint32>(image.size() - body)) {
            // A data chunk cut short still plays what it holds; any other is corrupt.
            if (id != "data" || !format) return std::nullopt;
            return WaveData{*format, image.mid(body)};
        }
        if (id == "fmt ") {
            if (size < 16) return std::nullopt;
            const quint16 tag = little16(image, body);
            const quint16 channels = little16(image, body + 2);
            const quint32 rate = little32(image, body + 4);
            const quint16 bits = little16(image, body + 14);
            if (channels < 1 || channels > 8 || rate < 1000 || rate > 384000) return std::nullopt;
            QAudioFormat f;
            f.setChannelCount(channels);
            f.setSampleRate(static_cast<int>(rate));
            if (tag == 1 && bits == 8) f.setSampleFormat(QAudioFormat::UInt8);
            else if (tag == 1 && bits == 16) f.setSampleFormat(QAudioFormat::Int16);
            else if (tag == 1 && bits == 32) f.setSampleFormat(QAudioFormat::Int32);
            else if (tag == 3 && bits == 32) f.setSampleFormat(QAudioFormat::Float);
            else return std::nullopt;
            format = f;
        } else if (id == "data") {
            if (!format) return std::nullopt;
            return WaveData{*format, image.mid(body, size)};
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

SoundPlayer::SoundPlayer(SoundSource source, QObject* parent) : QObject(parent), source_(std::move(source)) {}

SoundPlayer::~SoundPlayer() { stop(); }

bool SoundPlayer::playing() const { return sink_ && sink_->state() == QAudio::ActiveState; }

void SoundPlayer::stop() {
    looping_ = false;
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
    }
    sink_.reset();
    buffer_.reset();
}

void SoundPlayer::restartLoop() {
    if (!looping_ || !sink_ || !buffer_) return;
    buffer_->seek(0);
    sink_->start(buffer_.get());
}

void SoundPlayer::play(std::string_view word, SoundMode mode) {
    stop();
    lastWord_ = std::string(word);
    const std::optional<QByteArray> image = source_ ? source_(word) : std::nullopt;
    if (!image) return;
    const std::optional<WaveData> wave = parseWave(*image);
    if (!wave || wave->samples.isEmpty()) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(wave->format)) return;

    samples_ = wave->samples;
    buffer_ = std::make_unique<QBuffer>(&samples_);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, wave->format);
    looping_ = mode == SoundMode::Loop;
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState) {
            if (looping_) restartLoop();
            else if (sink_) sink_->stop();
        }
    });
    sink_->start(buffer_.get());
    if (mode != SoundMode::PlayToEnd) return;

    // Played to its end before the action goes on; input waits meanwhile.
    const qint64 bytesPerSecond = wave->format.bytesForDuration(1000000);
    const qint64 length = bytesPerSecond > 0 ? samples_.size() * 1000 / bytesPerSecond : 0;
    QElapsedTimer clock;
    clock.start();
    while (sink_ && sink_->state() == QAudio::ActiveState && clock.elapsed() < length + 500) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    stop();
}

}  // namespace tarvelle
