// The sounds of the game events, synthesised as WAVE data: card noises, chimes, fanfares and applause.
#include "tools/rgf/Sounds.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "tools/rgf/ResourceFolder.h"

namespace tarvelle::rgf {

namespace {

constexpr int kRate = 22050;
constexpr double kTau = 2 * std::numbers::pi;

// A buffer that voices are mixed into, in seconds.
class Mix {
public:
    explicit Mix(double seconds) : samples_(static_cast<std::size_t>(seconds * kRate), 0.0f) {}

    // A bell-like tone: a few partials, a short attack and an exponential fall.
    void bell(double at, double frequency, double length, double volume, double brightness = 0.4) {
        const int start = index(at);
        const int count = static_cast<int>(length * kRate);
        for (int i = 0; i < count && start + i < size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double attack = std::min(1.0, t / 0.004);
            const double fall = std::exp(-t * 5.0 / length);
            const double wave = std::sin(kTau * frequency * t) +
                                brightness * std::sin(kTau * frequency * 2.0 * t) * std::exp(-t * 8) +
                                brightness * 0.5 * std::sin(kTau * frequency * 3.01 * t) * std::exp(-t * 14);
            add(start + i, volume * attack * fall * wave);
        }
    }

    // A soft tone with a slow attack, for chords under a melody.
    void pad(double at, double frequency, double length, double volume) {
        const int start = index(at);
        const int count = static_cast<int>(length * kRate);
        for (int i = 0; i < count && start + i < size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double envelope = std::sin(std::numbers::pi * t / length);
            add(start + i, volume * envelope *
                               (std::sin(kTau * frequency * t) + 0.2 * std::sin(kTau * frequency * 2 * t)));
        }
    }

    // A tone gliding from one pitch to another.
    void glide(double at, double from, double to, double length, double volume) {
        const int start = index(at);
        const int count = static_cast<int>(length * kRate);
        double phase = 0;
        for (int i = 0; i < count && start + i < size(); ++i) {
            const double t = static_cast<double>(i) / count;
            phase += kTau * (from + (to - from) * t) / kRate;
            const double envelope = std::min(1.0, t * 20) * (1 - t);
            add(start + i, volume * envelope * (std::sin(phase) + 0.25 * std::sin(2 * phase)));
        }
    }

    // A burst of filtered noise: the sound of card on card or on cloth.
    // `tone` 0 is dull, 1 bright.
    void rustle(double at, double length, double volume, double tone, double decay = 6.0) {
        const int start = index(at);
        const int count = static_cast<int>(length * kRate);
        double low = 0;
        double previous = 0;
        const double smoothing = 0.05 + 0.6 * tone;
        for (int i = 0; i < count && start + i < size(); ++i) {
            const double t = static_cast<double>(i) / count;
            const double white = next() * 2 - 1;
            low += smoothing * (white - low);
            const double band = low - previous * (0.3 + 0.5 * tone);
            previous = low;
            const double envelope = std::min(1.0, t * 40) * std::exp(-t * decay);
            add(start + i, volume * envelope * band);
        }
    }

    // A card put down: a short bright snap over a soft low knock.
    void snap(double at, double volume, double pitch = 1.0) {
        rustle(at, 0.045, volume, 0.9, 9);
        const int start = index(at);
        for (int i = 0; i < static_cast<int>(0.05 * kRate) && start + i < size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            add(start + i, volume * 0.5 * std::exp(-t * 70) * std::sin(kTau * 170 * pitch * t));
        }
    }

    // Many hands clapping.
    void applause(double at, double length, double volume) {
        for (int i = 0; i < static_cast<int>(length * 90); ++i) {
            const double when = at + next() * length;
            const double fade = std::sin(std::numbers::pi * (when - at) / length);
            rustle(when, 0.03, volume * (0.4 + 0.6 * next()) * fade, 0.6 + 0.3 * next(), 10);
        }
    }

    std::vector<float> finished() const {
        float peak = 0;
        for (float s : samples_) peak = std::max(peak, std::abs(s));
        std::vector<float> out = samples_;
        if (peak > 0) {
            for (float& s : out) s = s / peak * 0.7f;
        }
        // A few milliseconds of fade at the end, so no sound ends in a click.
        const int fade = std::min<int>(static_cast<int>(out.size()), kRate / 200);
        for (int i = 0; i < fade; ++i) out[out.size() - 1 - static_cast<std::size_t>(i)] *= static_cast<float>(i) / fade;
        return out;
    }

private:
    int index(double at) const { return static_cast<int>(at * kRate); }
    int size() const { return static_cast<int>(samples_.size()); }
    void add(int i, double value) {
        if (i >= 0 && i < size()) samples_[static_cast<std::size_t>(i)] += static_cast<float>(value);
    }
    double next() {
        seed_ = seed_ * 1664525u + 1013904223u;
        return static_cast<double>(seed_ >> 8) / static_cast<double>(1u << 24);
    }

    std::vector<float> samples_;
    std::uint32_t seed_ = 12345;
};

// Notes by their distance in semitones from A4.
double note(int semitones) { return 440.0 * std::pow(2.0, semitones / 12.0); }
constexpr int C5 = 3, D5 = 5, E5 = 7, F5 = 8, G5 = 10, A5 = 12, B5 = 14, C6 = 15, E6 = 19, G6 = 22;
constexpr int C4 = -9, E4 = -5, G4 = -2;

std::vector<float> riffle(double length, double density, double volume) {
    Mix m(length + 0.05);
    for (int i = 0; i < static_cast<int>(length * density); ++i) {
        const double at = length * i / (length * density);
        m.rustle(at, 0.012, volume, 0.85, 12);
    }
    return m.finished();
}

}  // namespace

QByteArray waveFile(const std::vector<float>& samples, int rate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    const auto u32 = [&out](std::uint32_t v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    const auto u16 = [&out](std::uint16_t v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF", 4);
    u32(36 + dataBytes);
    out.append("WAVEfmt ", 8);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(static_cast<std::uint32_t>(rate));
    u32(static_cast<std::uint32_t>(rate * 2));
    u16(2);
    u16(16);
    out.append("data", 4);
    u32(dataBytes);
    for (float s : samples) {
        const auto v = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
        u16(static_cast<std::uint16_t>(v));
    }
    return out;
}

std::vector<Sound> makeSounds() {
    std::vector<Sound> sounds;
    const auto add = [&sounds](const char* word, const std::vector<float>& samples) {
        sounds.push_back({QString::fromLatin1(word), waveFile(samples, kRate)});
    };
    {
        Mix m(1.6);
        const int melody[] = {C5, E5, G5, C6};
        for (int i = 0; i < 4; ++i) m.bell(0.12 * i, note(melody[i]), 1.2, 0.5);
        for (int n : {C4, E4, G4}) m.pad(0.0, note(n), 1.5, 0.12);
        add("Splash", m.finished());
    }
    {
        Mix m(0.55);
        const int melody[] = {G5, C6, E6};
        for (int i = 0; i < 3; ++i) m.bell(0.09 * i, note(melody[i]), 0.35, 0.5, 0.3);
        add("New", m.finished());
    }
    add("Shuffle", riffle(0.45, 70, 0.6));
    {
        Mix m(0.12);
        m.rustle(0.0, 0.09, 0.8, 0.7, 7);
        add("Stock", m.finished());
    }
    {
        Mix m(0.1);
        m.snap(0.0, 0.8);
        add("Tableau", m.finished());
    }
    {
        Mix m(0.45);
        m.snap(0.0, 0.5, 1.3);
        m.bell(0.02, note(A5), 0.4, 0.35, 0.2);
        m.bell(0.02, note(E6), 0.3, 0.15, 0.1);
        add("Foundation", m.finished());
    }
    {
        Mix m(0.32);
        m.snap(0.0, 0.4, 1.5);
        m.bell(0.015, note(C6), 0.28, 0.3, 0.2);
        add("Autoplay", m.finished());
    }
    {
        Mix m(0.35);
        m.rustle(0.0, 0.3, 0.5, 0.4, 3);
        m.glide(0.0, 900, 500, 0.3, 0.25);
        add("Eddy", m.finished());
    }
    {
        Mix m(0.1);
        m.rustle(0.0, 0.03, 0.7, 0.95, 8);
        m.rustle(0.035, 0.04, 0.9, 0.8, 8);
        add("Face_up", m.finished());
    }
    {
        Mix m(0.09);
        m.rustle(0.0, 0.08, 0.6, 1.0, 4);
        m.glide(0.0, 1400, 1900, 0.06, 0.05);
        add("card_up", m.finished());
    }
    {
        Mix m(0.09);
        m.snap(0.0, 0.7, 0.8);
        add("card_down", m.finished());
    }
    {
        Mix m(0.5);
        m.bell(0.0, note(E6), 0.3, 0.4, 0.2);
        m.bell(0.1, note(B5), 0.4, 0.4, 0.2);
        add("Pairing", m.finished());
    }
    // Loops while the cards travel: an even riffle with no fade at its ends.
    add("Redeal", riffle(0.6, 40, 0.5));
    {
        std::vector<float> samples = riffle(0.4, 70, 0.6);
        Mix thump(0.12);
        thump.snap(0.0, 1.0, 0.7);
        const std::vector<float> end = thump.finished();
        samples.insert(samples.end(), end.begin(), end.end());
        add("Red_no_a", samples);
    }
    {
        Mix m(2.6);
        const int fanfare[] = {C5, E5, G5, C6, G5, C6};
        const double when[] = {0.0, 0.12, 0.24, 0.36, 0.6, 0.72};
        for (int i = 0; i < 6; ++i) m.bell(when[i], note(fanfare[i]), i == 5 ? 1.2 : 0.4, 0.45, 0.35);
        for (int n : {C5, E5, G5}) m.pad(0.72, note(n), 1.1, 0.1);
        m.applause(0.8, 1.8, 0.35);
        add("Won", m.finished());
    }
    {
        Mix m(0.22);
        m.bell(0.0, note(E5), 0.15, 0.4, 0.1);
        m.bell(0.08, note(C5), 0.14, 0.4, 0.1);
        add("Undo", m.finished());
    }
    {
        Mix m(0.22);
        m.bell(0.0, note(C5), 0.15, 0.4, 0.1);
        m.bell(0.08, note(E5), 0.14, 0.4, 0.1);
        add("Redo", m.finished());
    }
    {
        Mix m(0.55);
        m.glide(0.0, 1000, 300, 0.3, 0.35);
        m.bell(0.32, note(C5), 0.2, 0.3, 0.2);
        add("Restart", m.finished());
    }
    {
        Mix m(0.8);
        for (int n : {C5, E5, G5}) m.bell(0.0, note(n), 0.75, 0.25, 0.25);
        add("Hi-Scor", m.finished());
    }
    {
        Mix m(0.9);
        const int melody[] = {G5, C6, E6, G6};
        for (int i = 0; i < 4; ++i) m.bell(0.08 * i, note(melody[i]), i == 3 ? 0.6 : 0.25, 0.4, 0.3);
        add("Scores", m.finished());
    }
    {
        Mix m(1.0);
        m.bell(0.0, note(D5), 0.9, 0.35, 0.3);
        m.bell(0.18, note(A5), 0.8, 0.3, 0.3);
        m.pad(0.0, note(D5 - 12), 1.0, 0.1);
        add("About", m.finished());
    }
    {
        Mix m(0.4);
        for (int i = 0; i < 3; ++i) m.snap(0.05 * i, 0.5, 1.2);
        m.bell(0.16, note(F5), 0.22, 0.3, 0.2);
        add("Reorder", m.finished());
    }
    return sounds;
}

void addSounds(ResourceFolder& folder) {
    for (const Sound& sound : makeSounds()) folder.addSound(sound.word, sound.wave);
}

}  // namespace tarvelle::rgf
