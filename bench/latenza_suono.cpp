// SPDX-License-Identifier: GPL-3.0-or-later
// How long a sound takes from riproduci() to the sound server's output:
// records the monitor of the default sink and times the first loud sample.
// The figure includes the recording's own delay, so it errs on the long side.
//   latenza_suono <wav file> [times]     (default 10)
// Needs a running sound server; a null sink does (pactl load-module
// module-null-sink, then pactl set-default-sink).

#include "Orecchio.h"
#include "platform/RiproduttoreDiSistema.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

int main(int argc, char* argv[]) {
    QCoreApplication applicazione(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <wav file> [times]\n", argv[0]);
        return 2;
    }
    const QString suono = QString::fromLocal8Bit(argv[1]);
    const int volte = argc > 2 ? std::atoi(argv[2]) : 10;

    const Orecchio orecchio("latenza_suono");
    if (!orecchio.ascolta()) {
        std::fprintf(stderr, "%s: no sound server to listen to\n", argv[0]);
        return 2;
    }
    const std::unique_ptr<Riproduttore> riproduttore = creaRiproduttoreDiSistema([] {});
    riproduttore->prepara();
    std::vector<double> tempi;
    int mancati = 0;
    for (int i = 0; i < volte; ++i) {
        Orecchio::aspetta(std::chrono::milliseconds(1500)); // the last sound dies away
        const auto inizio = Orecchio::Orologio::now();
        riproduttore->riproduci(suono);
        const std::optional<double> ms = orecchio.sentitoDopo(inizio, std::chrono::seconds(5));
        if (!ms) {
            std::printf("nothing heard in 5 s\n");
            ++mancati;
            continue;
        }
        tempi.push_back(*ms);
        std::printf("%.1f ms\n", tempi.back());
    }
    std::sort(tempi.begin(), tempi.end());
    if (!tempi.empty())
        std::printf("median %.1f ms, worst %.1f ms", tempi[tempi.size() / 2], tempi.back());
    std::printf(", %d of %d not heard\n", mancati, volte);
    return mancati == 0 ? 0 : 1;
}
