// SPDX-License-Identifier: GPL-3.0-or-later
// Sequenzio's five feedback sounds, synthesised from a handful of notes so the project owns every
// byte of them and anyone can regenerate them after tweaking a melody.
//
// Usage: genera_suoni OUTPUT_DIR   (writes si1.wav to si4.wav and no.wav)
//
// Only the standard library is used, and nothing random, so every run writes the same bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kNyquist = kSampleRate / 2.0;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Room after the last note, so the final fade never cuts into it.
constexpr double kTail = 0.05;

// ---- Vocabulary -------------------------------------------------------------------------------

// Equal-tempered pitch from a MIDI note number: melodies below read as notes, not as hertz.
double pitch(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// MIDI numbers of the notes the sounds use (C4 is middle C).
enum : int { B3 = 59, C4 = 60, Cs4 = 61, E4 = 64, G4 = 67, B4 = 71, C5 = 72, E5 = 76, G5 = 79 };
enum : int { C6 = 84, D6 = 86, E6 = 88, G6 = 91, A6 = 93, C7 = 96 };

struct Partial {
    double ratio;  // multiple of the fundamental (need not be whole: bells are inharmonic)
    double amount; // relative loudness
};

struct Timbre {
    std::vector<Partial> partials;
    // Upper partials die away faster in struck instruments; 0 keeps all partials on one envelope.
    double damping = 0.0;
};

struct Envelope {
    double attack;  // seconds of soft rise; a few ms is enough to avoid a click
    double decay;   // exponential time constant in seconds; 0 means the note is held
    double release; // seconds of soft fall at the end of the note
};

struct Note {
    double start;         // seconds from the beginning of the sound
    double length;        // seconds, release included
    int midi;             // starting pitch
    int glideTo = 0;      // pitch reached by the end of the glide; 0 keeps the pitch steady
    double glideTime = 0; // seconds taken by the glide
    double gain = 1.0;    // relative loudness inside the sound
    const Timbre* timbre = nullptr;
    Envelope envelope{0.005, 0.0, 0.05};
};

struct Suono {
    std::string file;
    double peakDb; // loudest sample after normalisation, in dBFS
    std::vector<Note> notes;
};

// ---- Timbres ----------------------------------------------------------------------------------

// Soft and round, like a wooden flute: children hear the melody, not the synthesiser.
const Timbre kMellow{{{1, 1.0}, {2, 0.25}, {3, 0.08}}};

// Glassy bell: the 2.76 and 5.40 partials are what make a bar or bell sound struck.
const Timbre kBell{{{1, 1.0}, {2, 0.45}, {2.76, 0.30}, {5.40, 0.12}}, 1.2};

// Bright and short for the sparkle; the 4th partial gives it the glitter.
const Timbre kGlitter{{{1, 1.0}, {2, 0.35}, {4, 0.20}}, 0.8};

// Rich but not harsh, a toy trumpet.
const Timbre kBrass{{{1, 1.0}, {2, 0.70}, {3, 0.45}, {4, 0.25}, {5, 0.12}}};

// Almost a pure sine: the failure sound must be kind, so no edge at all.
const Timbre kRound{{{1, 1.0}, {2, 0.12}}};

// ---- The sounds -------------------------------------------------------------------------------

std::vector<Suono> suoni() {
    const Envelope pluck{0.004, 0.18, 0.04};
    const Envelope ring{0.003, 0.45, 0.15};
    const Envelope sparkle{0.002, 0.06, 0.03};
    const Envelope blow{0.025, 0.0, 0.08};
    const Envelope hum{0.04, 0.0, 0.12};

    return {
        // Rising C major arpeggio, the last note held a little longer.
        {"si1.wav",
         -6.0,
         {
             {0.00, 0.22, C5, 0, 0, 1.0, &kMellow, pluck},
             {0.10, 0.22, E5, 0, 0, 0.9, &kMellow, pluck},
             {0.20, 0.22, G5, 0, 0, 0.85, &kMellow, pluck},
             {0.30, 0.60, C6, 0, 0, 0.8, &kMellow, {0.004, 0.30, 0.25}},
         }},
        // "Ding-dong" of a bell, up a fourth so it sounds like a doorbell that is glad to see you.
        {"si2.wav",
         -6.0,
         {
             {0.00, 0.60, G5, 0, 0, 1.0, &kBell, ring},
             {0.28, 0.85, C6, 0, 0, 1.0, &kBell, ring},
         }},
        // Quick pentatonic run up, landing on a high C doubled by a bell an octave below.
        {"si3.wav",
         -6.0,
         {
             {0.000, 0.12, C6, 0, 0, 0.8, &kGlitter, sparkle},
             {0.055, 0.12, D6, 0, 0, 0.8, &kGlitter, sparkle},
             {0.110, 0.12, E6, 0, 0, 0.8, &kGlitter, sparkle},
             {0.165, 0.12, G6, 0, 0, 0.8, &kGlitter, sparkle},
             {0.220, 0.12, A6, 0, 0, 0.8, &kGlitter, sparkle},
             {0.275, 0.45, C7, 0, 0, 1.0, &kGlitter, {0.002, 0.16, 0.12}},
             {0.275, 0.45, C6, 0, 0, 0.5, &kBell, {0.002, 0.20, 0.12}},
         }},
        // Little fanfare "ta-ta-taaa": two pick-up notes, then a major chord with a brassy scoop.
        {"si4.wav",
         -6.0,
         {
             {0.00, 0.11, G4, 0, 0, 0.9, &kBrass, {0.012, 0.0, 0.03}},
             {0.14, 0.11, G4, 0, 0, 0.9, &kBrass, {0.012, 0.0, 0.03}},
             {0.28, 0.70, B4, C5, 0.05, 1.0, &kBrass, blow},
             {0.28, 0.70, E5, 0, 0, 0.55, &kBrass, blow},
             {0.28, 0.70, G5, 0, 0, 0.45, &kBrass, blow},
             {0.28, 0.70, C4, 0, 0, 0.35, &kMellow, blow},
         }},
        // Gentle "uh-oh": a falling minor third, low-mid and quiet, the second note sagging a bit.
        {"no.wav",
         -18.0,
         {
             {0.00, 0.26, E4, 0, 0, 1.0, &kRound, hum},
             {0.24, 0.45, Cs4, B3, 0.40, 1.0, &kRound, hum},
         }},
    };
}

// ---- Synthesis --------------------------------------------------------------------------------

double envelopeAt(const Envelope& env, double t, double length) {
    auto smooth = [](double x) { return 0.5 - 0.5 * std::cos(std::numbers::pi * x); };
    double level = env.decay > 0 ? std::exp(-t / env.decay) : 1.0;
    if (t < env.attack)
        level *= smooth(t / env.attack);
    const double untilEnd = length - t;
    if (untilEnd < env.release)
        level *= smooth(std::max(0.0, untilEnd) / env.release);
    return level;
}

// Adds one note into the buffer. Phase is accumulated sample by sample so glides stay smooth.
void render(const Note& note, std::vector<double>& out) {
    const auto first = static_cast<std::size_t>(std::lround(note.start * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(note.length * kSampleRate));
    const double from = pitch(note.midi);
    const double to = note.glideTo ? pitch(note.glideTo) : from;
    const Timbre& timbre = *note.timbre;

    std::vector<double> phase(timbre.partials.size(), 0.0);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double g = note.glideTime > 0 ? std::min(1.0, t / note.glideTime) : 1.0;
        const double freq = from * std::pow(to / from, g); // glide evenly in pitch, not in Hz

        double sample = 0.0;
        for (std::size_t p = 0; p < timbre.partials.size(); ++p) {
            const Partial& partial = timbre.partials[p];
            const double f = freq * partial.ratio;
            if (f >= kNyquist * 0.9) // would fold back as an off-key whistle
                continue;
            Envelope env = note.envelope;
            if (env.decay > 0 && timbre.damping > 0)
                env.decay /= std::pow(partial.ratio, timbre.damping);
            sample += partial.amount * envelopeAt(env, t, note.length) * std::sin(phase[p]);
            phase[p] = std::fmod(phase[p] + kTwoPi * f / kSampleRate, kTwoPi);
        }
        out[first + i] += note.gain * sample;
    }
}

std::vector<std::int16_t> synthesise(const Suono& suono) {
    double end = 0.0;
    for (const Note& note : suono.notes)
        end = std::max(end, note.start + note.length);
    std::vector<double> mix(static_cast<std::size_t>(std::lround((end + kTail) * kSampleRate)),
                            0.0);
    for (const Note& note : suono.notes)
        render(note, mix);

    double peak = 0.0;
    for (double s : mix)
        peak = std::max(peak, std::abs(s));
    const double scale = peak > 0 ? std::pow(10.0, suono.peakDb / 20.0) / peak : 0.0;

    // Short fade at both ends: whatever the notes do, the speaker never gets a step.
    const std::size_t fadeIn = kSampleRate * 3 / 1000;
    const std::size_t fadeOut = kSampleRate * 30 / 1000;
    std::vector<std::int16_t> pcm(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i) {
        double gain = scale;
        if (i < fadeIn)
            gain *= static_cast<double>(i) / fadeIn;
        const std::size_t fromEnd = mix.size() - 1 - i;
        if (fromEnd < fadeOut)
            gain *= static_cast<double>(fromEnd) / fadeOut;
        pcm[i] =
            static_cast<std::int16_t>(std::lround(std::clamp(mix[i] * gain, -1.0, 1.0) * 32767.0));
    }
    return pcm;
}

// ---- WAV output -------------------------------------------------------------------------------

// Written byte by byte in little-endian order, so the files are the same on any machine.
void put16(std::ofstream& out, std::uint16_t v) {
    const char bytes[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xffff));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

bool writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& pcm) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const std::uint16_t channels = 1, bits = 16;
    const std::uint16_t blockAlign = channels * bits / 8;
    const auto dataSize = static_cast<std::uint32_t>(pcm.size() * blockAlign);

    out.write("RIFF", 4);
    put32(out, 36 + dataSize);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, channels);
    put32(out, kSampleRate);
    put32(out, kSampleRate * blockAlign);
    put16(out, blockAlign);
    put16(out, bits);
    out.write("data", 4);
    put32(out, dataSize);
    for (std::int16_t s : pcm)
        put16(out, static_cast<std::uint16_t>(s));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT_DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::cerr << "cannot create " << dir << ": " << ec.message() << '\n';
        return 1;
    }
    for (const Suono& suono : suoni()) {
        const auto pcm = synthesise(suono);
        if (!writeWav(dir / suono.file, pcm)) {
            std::cerr << "cannot write " << (dir / suono.file) << '\n';
            return 1;
        }
        std::cout << suono.file << ": " << pcm.size() << " samples, "
                  << static_cast<double>(pcm.size()) / kSampleRate << " s\n";
    }
    return 0;
}
