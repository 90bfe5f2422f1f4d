#include "Sounds.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace assetgen {

namespace {

constexpr double kTwoPi = 6.28318530717958647692;
using Buffer = std::vector<float>;

Buffer silence(double seconds) { return Buffer(static_cast<std::size_t>(seconds * kSampleRate), 0.0f); }

std::size_t at(double seconds) { return static_cast<std::size_t>(std::max(0.0, seconds) * kSampleRate); }

// A reproducible white-noise source.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

// Attack then exponential decay: the shape of a struck or plucked sound.
double strike(double t, double attack, double decay)
{
    if (t < 0)
        return 0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

// A gliding tone with a few harmonics (weights `harmonics`, the first is the
// fundamental), from f0 to f1 over its length.
void tone(Buffer& b, double start, double length, double f0, double f1, double amp, double attack, double decay,
          std::initializer_list<double> harmonics = {1.0})
{
    double phase = 0;
    const std::size_t n = at(length);
    for (std::size_t i = 0; i < n && at(start) + i < b.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double f = f0 * std::pow(f1 / f0, t / length);
        phase += kTwoPi * f / kSampleRate;
        double s = 0;
        int k = 1;
        for (double w : harmonics)
            s += w * std::sin(phase * k++);
        // The end of every tone fades out so nothing clicks.
        const double tail = std::min(1.0, (length - t) / 0.006);
        b[at(start) + i] += static_cast<float>(amp * s * strike(t, attack, decay) * tail);
    }
}

// A soft bell: a few inharmonic partials, the higher ones dying first.
void bell(Buffer& b, double start, double f, double amp, double length)
{
    tone(b, start, length, f, f, amp, 0.004, length * 0.35);
    tone(b, start, length, f * 2.01, f * 2.01, amp * 0.28, 0.003, length * 0.14);
    tone(b, start, length * 0.6, f * 3.02, f * 3.02, amp * 0.10, 0.002, length * 0.07);
}

// Filtered noise: a one-pole low-pass at `low` Hz minus one at `high` Hz
// (a band between them when high < low; no cut when high is 0).
void noise(Buffer& b, double start, double length, double amp, double attack, double decay, double low, double high,
           std::uint32_t seed)
{
    Noise src(seed);
    const double aLow = 1.0 - std::exp(-kTwoPi * low / kSampleRate);
    const double aHigh = high > 0 ? 1.0 - std::exp(-kTwoPi * high / kSampleRate) : 0.0;
    double lp = 0, hp = 0;
    const std::size_t n = at(length);
    for (std::size_t i = 0; i < n && at(start) + i < b.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double x = src.next();
        lp += aLow * (x - lp);
        hp += aHigh * (lp - hp);
        const double tail = std::min(1.0, (length - t) / 0.006);
        b[at(start) + i] += static_cast<float>(amp * (lp - hp) * strike(t, attack, decay) * tail);
    }
}

// Scales to a comfortable peak and fades the very end.
Buffer finish(Buffer b, double peak = 0.7)
{
    float most = 0;
    for (float s : b)
        most = std::max(most, std::abs(s));
    if (most > 0)
        for (float& s : b)
            s *= static_cast<float>(peak / most);
    const std::size_t fade = std::min<std::size_t>(b.size(), at(0.01));
    for (std::size_t i = 0; i < fade; ++i)
        b[b.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
    return b;
}

void shot(Buffer& b, double start, double pitch, std::uint32_t seed)
{
    noise(b, start, 0.07, 0.9, 0.001, 0.018, 1800 * pitch, 150, seed);
    tone(b, start, 0.12, 170 * pitch, 60 * pitch, 0.8, 0.002, 0.04);
}

Buffer boink()
{
    Buffer b = silence(0.24);
    tone(b, 0, 0.24, 640, 300, 0.8, 0.003, 0.09, {1.0, 0.22, 0.06});
    return finish(b, 0.6);
}

Buffer buy()
{
    Buffer b = silence(0.6);
    noise(b, 0, 0.03, 0.25, 0.001, 0.008, 6000, 2500, 7);
    bell(b, 0.01, 1318.5, 0.6, 0.35);
    bell(b, 0.11, 1760.0, 0.7, 0.48);
    return finish(b, 0.6);
}

Buffer fire()
{
    Buffer b = silence(0.16);
    shot(b, 0, 1.0, 11);
    return finish(b);
}

Buffer firing()
{
    Buffer b = silence(0.45);
    const double pitches[4] = {1.0, 1.06, 0.96, 1.03};
    for (int i = 0; i < 4; ++i)
        shot(b, i * 0.09, pitches[i], 20u + static_cast<std::uint32_t>(i));
    return finish(b);
}

Buffer splat()
{
    Buffer b = silence(0.32);
    noise(b, 0, 0.22, 1.0, 0.002, 0.05, 2200, 500, 31);
    tone(b, 0, 0.1, 230, 90, 0.6, 0.002, 0.035);
    noise(b, 0.09, 0.05, 0.25, 0.001, 0.012, 4000, 1500, 32);
    noise(b, 0.16, 0.04, 0.15, 0.001, 0.01, 4000, 1500, 33);
    return finish(b, 0.65);
}

Buffer hitYou()
{
    Buffer b = silence(0.42);
    tone(b, 0, 0.16, 130, 50, 0.9, 0.002, 0.05);
    noise(b, 0, 0.12, 0.5, 0.002, 0.03, 1600, 300, 41);
    // A falling "ouch" with a little wobble.
    double phase = 0;
    for (std::size_t i = at(0.06); i < at(0.4); ++i) {
        const double t = static_cast<double>(i) / kSampleRate - 0.06;
        const double f = 520 * std::pow(0.5, t / 0.34) * (1.0 + 0.02 * std::sin(kTwoPi * 9 * t));
        phase += kTwoPi * f / kSampleRate;
        const double s = std::sin(phase) + 0.2 * std::sin(2 * phase);
        b[i] += static_cast<float>(0.45 * s * strike(t, 0.02, 0.12));
    }
    return finish(b, 0.65);
}

Buffer siren()
{
    Buffer b = silence(1.4);
    double phase = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double f = 720 + 240 * std::sin(kTwoPi * 1.4 * t - 1.5708);
        phase += kTwoPi * f / kSampleRate;
        const double env = std::min({1.0, t / 0.06, (1.4 - t) / 0.2});
        b[i] = static_cast<float>(env * (std::sin(phase) + 0.18 * std::sin(3 * phase)));
    }
    return finish(b, 0.5);
}

Buffer unsiren()
{
    Buffer b = silence(0.8);
    tone(b, 0, 0.8, 960, 380, 0.8, 0.04, 0.45, {1.0, 0.0, 0.18});
    return finish(b, 0.5);
}

Buffer water()
{
    Buffer b = silence(0.65);
    noise(b, 0, 0.35, 1.0, 0.004, 0.09, 3000, 300, 51);
    Noise when(52);
    for (int i = 0; i < 7; ++i) {
        const double start = 0.06 + 0.07 * i + 0.02 * when.next();
        const double f = 420 + 300 * (0.5 + 0.5 * when.next());
        tone(b, start, 0.04, f, f * 2.0, 0.35, 0.002, 0.015);
    }
    return finish(b, 0.6);
}

Buffer bots()
{
    Buffer b = silence(0.42);
    const double notes[4] = {880, 1174.7, 1568, 1318.5};
    for (int i = 0; i < 4; ++i)
        tone(b, i * 0.08, i == 3 ? 0.16 : 0.07, notes[i], notes[i], 0.5, 0.003, i == 3 ? 0.08 : 0.05,
             {1.0, 0.0, 0.3, 0.0, 0.12});
    return finish(b, 0.5);
}

Buffer shotEmpty()
{
    Buffer b = silence(0.12);
    for (int i = 0; i < 2; ++i) {
        noise(b, i * 0.05, 0.012, 0.8, 0.0005, 0.003, 8000, 2500, 60u + static_cast<std::uint32_t>(i));
        tone(b, i * 0.05, 0.02, 2400, 2300, 0.25, 0.0005, 0.005);
    }
    return finish(b, 0.5);
}

Buffer thunder()
{
    // Rumble: deep noise that swells and rolls away with slow bumps.
    Buffer b = silence(2.6);
    Noise src(72), lfo(73);
    double deep = 0, deeper = 0, wobble = 0.5;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        deep += 0.02 * (src.next() - deep);
        deeper += 0.05 * (deep - deeper);
        if (i % 2205 == 0)
            wobble = 0.6 + 0.4 * lfo.next();
        const double env = std::min(1.0, t / 0.2) * std::exp(-t / 0.9);
        b[i] = static_cast<float>(deeper * env * wobble);
    }
    b = finish(b, 1.0);
    // The crack of the strike on top of it.
    noise(b, 0.02, 0.25, 0.5, 0.003, 0.06, 5000, 600, 71);
    return finish(b, 0.8);
}

Buffer chord(std::initializer_list<double> notes, double step, double length, double peak = 0.55)
{
    Buffer b = silence(step * static_cast<double>(notes.size()) + length);
    double start = 0;
    for (double f : notes) {
        bell(b, start, f, 0.5, length);
        start += step;
    }
    return finish(b, peak);
}

Buffer systemStart() { return chord({523.3, 659.3, 784.0, 1046.5}, 0.11, 0.6); }
Buffer systemExit() { return chord({1046.5, 784.0, 659.3, 523.3}, 0.11, 0.6); }
Buffer restoreUp() { return chord({784.0, 1174.7}, 0.06, 0.18, 0.45); }
Buffer restoreDown() { return chord({1174.7, 784.0}, 0.06, 0.18, 0.45); }
Buffer question() { return chord({784.0, 1174.7}, 0.14, 0.4); }
Buffer asterisk() { return chord({1318.5}, 0.0, 0.7); }
Buffer exclamation() { return chord({880.0, 880.0}, 0.16, 0.32); }
Buffer defaultSound() { return chord({1046.5}, 0.0, 0.5); }

Buffer gpFault()
{
    Buffer b = silence(0.5);
    tone(b, 0, 0.45, 220, 220, 0.5, 0.005, 0.15, {1.0, 0.3, 0.1});
    tone(b, 0, 0.45, 233.1, 233.1, 0.4, 0.005, 0.15, {1.0, 0.3});
    return finish(b, 0.55);
}

Buffer hand()
{
    Buffer b = silence(0.5);
    bell(b, 0, 293.7, 0.6, 0.45);
    bell(b, 0, 220.0, 0.5, 0.45);
    return finish(b, 0.6);
}

} // namespace

const std::vector<SoundFile>& soundFiles()
{
    static const std::vector<SoundFile> files = {
        {"Graphics/boink.wav", boink},
        {"Graphics/Buy.wav", buy},
        {"Graphics/fire.wav", fire},
        {"Graphics/splat.wav", splat},
        {"Graphics/Hityou.wav", hitYou},
        {"Graphics/siren.wav", siren},
        {"Graphics/Unsiren.wav", unsiren},
        {"Graphics/water.wav", water},
        {"Graphics/bots.wav", bots},
        {"Graphics/shotempty.wav", shotEmpty},
        {"Graphics/Thunder.wav", thunder},
        {"Graphics/firing.wav", firing},
        {"Sounds/SystemStart.wav", systemStart},
        {"Sounds/SystemExit.wav", systemExit},
        {"Sounds/RestoreUp.wav", restoreUp},
        {"Sounds/RestoreDown.wav", restoreDown},
        {"Sounds/AppGPFault.wav", gpFault},
        {"Sounds/SystemQuestion.wav", question},
        {"Sounds/SystemAsterisk.wav", asterisk},
        {"Sounds/SystemExclamation.wav", exclamation},
        {"Sounds/SystemHand.wav", hand},
        {"Sounds/Default.wav", defaultSound},
    };
    return files;
}

bool writeWav(const QString& path, const std::vector<float>& samples)
{
    QByteArray data;
    data.reserve(static_cast<qsizetype>(samples.size() * 2));
    for (float s : samples) {
        const auto v = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
        char le[2];
        qToLittleEndian(v, le);
        data.append(le, 2);
    }
    QByteArray wav;
    auto u32 = [&wav](std::uint32_t v) {
        char le[4];
        qToLittleEndian(v, le);
        wav.append(le, 4);
    };
    auto u16 = [&wav](std::uint16_t v) {
        char le[2];
        qToLittleEndian(v, le);
        wav.append(le, 2);
    };
    wav.append("RIFF");
    u32(static_cast<std::uint32_t>(36 + data.size()));
    wav.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(kSampleRate);
    u32(kSampleRate * 2); // bytes per second
    u16(2);               // block align
    u16(16);              // bits per sample
    wav.append("data");
    u32(static_cast<std::uint32_t>(data.size()));
    wav.append(data);
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(wav) == wav.size();
}

} // namespace assetgen
