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

constexpr int frequenza = 22050;
constexpr double nyquist = frequenza / 2.0;
constexpr double duePi = 2.0 * std::numbers::pi;
// Room after the last note, so the final fade never cuts into it.
constexpr double coda = 0.05;

// ---- Vocabulary -------------------------------------------------------------------------------

// Equal-tempered pitch from a MIDI note number: melodies below read as notes, not as hertz.
double altezza(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// MIDI numbers of the notes the sounds use (C4 is middle C).
enum : int { B3 = 59, C4 = 60, Cs4 = 61, E4 = 64, G4 = 67, B4 = 71, C5 = 72, E5 = 76, G5 = 79 };
enum : int { C6 = 84, D6 = 86, E6 = 88, G6 = 91, A6 = 93, C7 = 96 };

struct Parziale {
    double rapporto; // multiple of the fundamental (need not be whole: bells are inharmonic)
    double peso;     // relative loudness
};

struct Timbro {
    std::vector<Parziale> parziali;
    // Upper partials die away faster in struck instruments; 0 keeps all partials on one envelope.
    double smorzamento = 0.0;
};

struct Inviluppo {
    double attacco;     // seconds of soft rise; a few ms is enough to avoid a click
    double decadimento; // exponential time constant in seconds; 0 means the note is held
    double rilascio;    // seconds of soft fall at the end of the note
};

struct Nota {
    double inizio;            // seconds from the beginning of the sound
    double durata;            // seconds, release included
    int midi;                 // starting pitch
    int glissatoA = 0;        // pitch reached by the end of the glide; 0 keeps the pitch steady
    double tempoGlissato = 0; // seconds taken by the glide
    double guadagno = 1.0;    // relative loudness inside the sound
    const Timbro* timbro = nullptr;
    Inviluppo inviluppo{0.005, 0.0, 0.05};
};

struct Suono {
    std::string nome;
    double piccoDb; // loudest sample after normalisation, in dBFS
    std::vector<Nota> note;
};

// ---- Timbres ----------------------------------------------------------------------------------

// Soft and round, like a wooden flute: children hear the melody, not the synthesiser.
const Timbro morbido{{{1, 1.0}, {2, 0.25}, {3, 0.08}}};

// Glassy bell: the 2.76 and 5.40 partials are what make a bar or bell sound struck.
const Timbro campana{{{1, 1.0}, {2, 0.45}, {2.76, 0.30}, {5.40, 0.12}}, 1.2};

// Bright and short for the sparkle; the 4th partial gives it the glitter.
const Timbro scintilla{{{1, 1.0}, {2, 0.35}, {4, 0.20}}, 0.8};

// Rich but not harsh, a toy trumpet.
const Timbro ottone{{{1, 1.0}, {2, 0.70}, {3, 0.45}, {4, 0.25}, {5, 0.12}}};

// Almost a pure sine: the failure sound must be kind, so no edge at all.
const Timbro tondo{{{1, 1.0}, {2, 0.12}}};

// ---- The sounds -------------------------------------------------------------------------------

std::vector<Suono> suoni() {
    const Inviluppo pizzico{0.004, 0.18, 0.04};
    const Inviluppo rintocco{0.003, 0.45, 0.15};
    const Inviluppo brillio{0.002, 0.06, 0.03};
    const Inviluppo soffio{0.025, 0.0, 0.08};
    const Inviluppo mormorio{0.04, 0.0, 0.12};

    return {
        // Rising C major arpeggio, the last note held a little longer.
        {"si1.wav",
         -6.0,
         {
             {0.00, 0.22, C5, 0, 0, 1.0, &morbido, pizzico},
             {0.10, 0.22, E5, 0, 0, 0.9, &morbido, pizzico},
             {0.20, 0.22, G5, 0, 0, 0.85, &morbido, pizzico},
             {0.30, 0.60, C6, 0, 0, 0.8, &morbido, {0.004, 0.30, 0.25}},
         }},
        // "Ding-dong" of a bell, up a fourth so it sounds like a doorbell that is glad to see you.
        {"si2.wav",
         -6.0,
         {
             {0.00, 0.60, G5, 0, 0, 1.0, &campana, rintocco},
             {0.28, 0.85, C6, 0, 0, 1.0, &campana, rintocco},
         }},
        // Quick pentatonic run up, landing on a high C doubled by a bell an octave below.
        {"si3.wav",
         -6.0,
         {
             {0.000, 0.12, C6, 0, 0, 0.8, &scintilla, brillio},
             {0.055, 0.12, D6, 0, 0, 0.8, &scintilla, brillio},
             {0.110, 0.12, E6, 0, 0, 0.8, &scintilla, brillio},
             {0.165, 0.12, G6, 0, 0, 0.8, &scintilla, brillio},
             {0.220, 0.12, A6, 0, 0, 0.8, &scintilla, brillio},
             {0.275, 0.45, C7, 0, 0, 1.0, &scintilla, {0.002, 0.16, 0.12}},
             {0.275, 0.45, C6, 0, 0, 0.5, &campana, {0.002, 0.20, 0.12}},
         }},
        // Little fanfare "ta-ta-taaa": two pick-up notes, then a major chord with a brassy scoop.
        {"si4.wav",
         -6.0,
         {
             {0.00, 0.11, G4, 0, 0, 0.9, &ottone, {0.012, 0.0, 0.03}},
             {0.14, 0.11, G4, 0, 0, 0.9, &ottone, {0.012, 0.0, 0.03}},
             {0.28, 0.70, B4, C5, 0.05, 1.0, &ottone, soffio},
             {0.28, 0.70, E5, 0, 0, 0.55, &ottone, soffio},
             {0.28, 0.70, G5, 0, 0, 0.45, &ottone, soffio},
             {0.28, 0.70, C4, 0, 0, 0.35, &morbido, soffio},
         }},
        // Gentle "uh-oh": a falling minor third, low-mid and quiet, the second note sagging a bit.
        {"no.wav",
         -18.0,
         {
             {0.00, 0.26, E4, 0, 0, 1.0, &tondo, mormorio},
             {0.24, 0.45, Cs4, B3, 0.40, 1.0, &tondo, mormorio},
         }},
    };
}

// ---- Synthesis --------------------------------------------------------------------------------

double livello(const Inviluppo& inv, double t, double durata) {
    auto morbida = [](double x) { return 0.5 - 0.5 * std::cos(std::numbers::pi * x); };
    double livelloNota = inv.decadimento > 0 ? std::exp(-t / inv.decadimento) : 1.0;
    if (t < inv.attacco)
        livelloNota *= morbida(t / inv.attacco);
    const double allaFine = durata - t;
    if (allaFine < inv.rilascio)
        livelloNota *= morbida(std::max(0.0, allaFine) / inv.rilascio);
    return livelloNota;
}

// Adds one note into the buffer. Phase is accumulated sample by sample so glides stay smooth.
void aggiungiNota(const Nota& nota, std::vector<double>& uscita) {
    const auto primo = static_cast<std::size_t>(std::lround(nota.inizio * frequenza));
    const auto quanti = static_cast<std::size_t>(std::lround(nota.durata * frequenza));
    const double da = altezza(nota.midi);
    const double a = nota.glissatoA ? altezza(nota.glissatoA) : da;
    const Timbro& timbro = *nota.timbro;

    std::vector<double> fase(timbro.parziali.size(), 0.0);
    for (std::size_t i = 0; i < quanti && primo + i < uscita.size(); ++i) {
        const double t = static_cast<double>(i) / frequenza;
        const double g = nota.tempoGlissato > 0 ? std::min(1.0, t / nota.tempoGlissato) : 1.0;
        const double frequenzaNota = da * std::pow(a / da, g); // glide evenly in pitch, not in Hz

        double campione = 0.0;
        for (std::size_t p = 0; p < timbro.parziali.size(); ++p) {
            const Parziale& parziale = timbro.parziali[p];
            const double f = frequenzaNota * parziale.rapporto;
            if (f >= nyquist * 0.9) // would fold back as an off-key whistle
                continue;
            Inviluppo inv = nota.inviluppo;
            if (inv.decadimento > 0 && timbro.smorzamento > 0)
                inv.decadimento /= std::pow(parziale.rapporto, timbro.smorzamento);
            campione += parziale.peso * livello(inv, t, nota.durata) * std::sin(fase[p]);
            fase[p] = std::fmod(fase[p] + duePi * f / frequenza, duePi);
        }
        uscita[primo + i] += nota.guadagno * campione;
    }
}

std::vector<std::int16_t> sintetizza(const Suono& suono) {
    double fine = 0.0;
    for (const Nota& nota : suono.note)
        fine = std::max(fine, nota.inizio + nota.durata);
    std::vector<double> miscela(static_cast<std::size_t>(std::lround((fine + coda) * frequenza)),
                                0.0);
    for (const Nota& nota : suono.note)
        aggiungiNota(nota, miscela);

    double picco = 0.0;
    for (double s : miscela)
        picco = std::max(picco, std::abs(s));
    const double scala = picco > 0 ? std::pow(10.0, suono.piccoDb / 20.0) / picco : 0.0;

    // Short fade at both ends: whatever the notes do, the speaker never gets a step.
    const std::size_t dissolvenzaIniziale = frequenza * 3 / 1000;
    const std::size_t dissolvenzaFinale = frequenza * 30 / 1000;
    std::vector<std::int16_t> pcm(miscela.size());
    for (std::size_t i = 0; i < miscela.size(); ++i) {
        double guadagno = scala;
        if (i < dissolvenzaIniziale)
            guadagno *= static_cast<double>(i) / dissolvenzaIniziale;
        const std::size_t dallaFine = miscela.size() - 1 - i;
        if (dallaFine < dissolvenzaFinale)
            guadagno *= static_cast<double>(dallaFine) / dissolvenzaFinale;
        pcm[i] = static_cast<std::int16_t>(
            std::lround(std::clamp(miscela[i] * guadagno, -1.0, 1.0) * 32767.0));
    }
    return pcm;
}

// ---- WAV output -------------------------------------------------------------------------------

// Written byte by byte in little-endian order, so the files are the same on any machine.
void scrivi16(std::ofstream& uscita, std::uint16_t v) {
    const char coppia[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    uscita.write(coppia, 2);
}

void scrivi32(std::ofstream& uscita, std::uint32_t v) {
    scrivi16(uscita, static_cast<std::uint16_t>(v & 0xffff));
    scrivi16(uscita, static_cast<std::uint16_t>(v >> 16));
}

bool scriviWav(const std::filesystem::path& percorso, const std::vector<std::int16_t>& pcm) {
    std::ofstream uscita(percorso, std::ios::binary | std::ios::trunc);
    if (!uscita)
        return false;
    const std::uint16_t canali = 1, bit = 16;
    const std::uint16_t blocco = canali * bit / 8;
    const auto dimensioneDati = static_cast<std::uint32_t>(pcm.size() * blocco);

    uscita.write("RIFF", 4);
    scrivi32(uscita, 36 + dimensioneDati);
    uscita.write("WAVE", 4);
    uscita.write("fmt ", 4);
    scrivi32(uscita, 16);
    scrivi16(uscita, 1); // PCM
    scrivi16(uscita, canali);
    scrivi32(uscita, frequenza);
    scrivi32(uscita, frequenza * blocco);
    scrivi16(uscita, blocco);
    scrivi16(uscita, bit);
    uscita.write("data", 4);
    scrivi32(uscita, dimensioneDati);
    for (std::int16_t s : pcm)
        scrivi16(uscita, static_cast<std::uint16_t>(s));
    return static_cast<bool>(uscita);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT_DIR\n";
        return 2;
    }
    const std::filesystem::path cartella = argv[1];
    std::error_code errore;
    std::filesystem::create_directories(cartella, errore);
    if (errore) {
        std::cerr << "cannot create " << cartella << ": " << errore.message() << '\n';
        return 1;
    }
    for (const Suono& suono : suoni()) {
        const auto pcm = sintetizza(suono);
        if (!scriviWav(cartella / suono.nome, pcm)) {
            std::cerr << "cannot write " << (cartella / suono.nome) << '\n';
            return 1;
        }
        std::cout << suono.nome << ": " << pcm.size() << " samples, "
                  << static_cast<double>(pcm.size()) / frequenza << " s\n";
    }
    return 0;
}
