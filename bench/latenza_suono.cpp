// SPDX-License-Identifier: GPL-3.0-or-later
// How long a sound takes from riproduci() to the sound server's output:
// records the monitor of the default sink and times the first loud sample.
// The figure includes the recording's own delay, so it errs on the long side.
//   latenza_suono <wav file> [times]     (default 10)
// Needs a running sound server; a null sink does (pactl load-module
// module-null-sink, then pactl set-default-sink).

#include "platform/RiproduttoreDiSistema.h"

#include <QCoreApplication>

#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

int main(int argc, char* argv[]) {
    QCoreApplication applicazione(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <wav file> [times]\n", argv[0]);
        return 2;
    }
    const QString suono = QString::fromLocal8Bit(argv[1]);
    const int volte = argc > 2 ? std::atoi(argv[2]) : 10;

    const pa_sample_spec formato{PA_SAMPLE_S16LE, 44100, 1};
    pa_buffer_attr memoria{};
    memoria.maxlength = uint32_t(-1);
    memoria.fragsize = uint32_t(pa_usec_to_bytes(1000, &formato));
    int errore = 0;
    pa_simple* ascolto =
        pa_simple_new(nullptr, "latenza_suono", PA_STREAM_RECORD, "@DEFAULT_MONITOR@", "ascolto",
                      &formato, nullptr, &memoria, &errore);
    if (!ascolto) {
        std::fprintf(stderr, "%s: no sound server to listen to\n", argv[0]);
        return 2;
    }
    // The monitor is read on a thread of its own, so that the program's
    // event loop goes on as in the real program.
    using Orologio = std::chrono::steady_clock;
    std::atomic<bool> basta = false;
    std::atomic<Orologio::rep> sentito = 0; // the last moment a loud sample came
    std::thread orecchio([&] {
        std::vector<short> pezzo(44); // 1 ms
        while (!basta) {
            pa_simple_read(ascolto, pezzo.data(), pezzo.size() * sizeof(short), nullptr);
            if (std::any_of(pezzo.begin(), pezzo.end(), [](short s) { return std::abs(s) > 300; }))
                sentito = Orologio::now().time_since_epoch().count();
        }
    });
    const auto aspetta = [&](auto quanto) {
        const auto fine = Orologio::now() + quanto;
        while (Orologio::now() < fine)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    };

    const std::unique_ptr<Riproduttore> riproduttore = creaRiproduttoreDiSistema([] {});
    riproduttore->prepara();
    std::vector<double> tempi;
    int mancati = 0;
    for (int i = 0; i < volte; ++i) {
        aspetta(std::chrono::milliseconds(1500)); // the last sound dies away
        const auto inizio = Orologio::now();
        riproduttore->riproduci(suono);
        const auto limite = inizio + std::chrono::seconds(5);
        while (Orologio::time_point(Orologio::duration(sentito)) < inizio &&
               Orologio::now() < limite)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        const auto quando = Orologio::time_point(Orologio::duration(sentito));
        if (quando < inizio) {
            std::printf("nothing heard in 5 s\n");
            ++mancati;
            continue;
        }
        tempi.push_back(std::chrono::duration<double, std::milli>(quando - inizio).count());
        std::printf("%.1f ms\n", tempi.back());
    }
    basta = true;
    orecchio.join();
    pa_simple_free(ascolto);
    std::sort(tempi.begin(), tempi.end());
    if (!tempi.empty())
        std::printf("median %.1f ms, worst %.1f ms", tempi[tempi.size() / 2], tempi.back());
    std::printf(", %d of %d not heard\n", mancati, volte);
    return mancati == 0 ? 0 : 1;
}
