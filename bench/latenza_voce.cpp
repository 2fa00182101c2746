// SPDX-License-Identifier: GPL-3.0-or-later
// How long a tile asked to be heard takes to reach the sound server's output:
// records the monitor of the default sink and times the first loud sample
// after pronuncia(), which is what a right click ends in. The first request
// comes right after the voice starts and is told apart; then resident memory
// before and a minute after 200 requests in quick succession.
//   latenza_voce <folder of the speech module> [times]     (default 50)
// Needs a sound server (a null sink does) and speech-dispatcher.

#include "Orecchio.h"
#include "platform/VoceDiSistema.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

double residenteMb() {
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& riga : stato.readAll().split('\n'))
        if (riga.startsWith("VmRSS:"))
            return riga.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication applicazione(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder of sequenzio-voce> [times]\n", argv[0]);
        return 2;
    }
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    const int volte = argc > 2 ? std::atoi(argv[2]) : 50;

    const Orecchio orecchio("latenza_voce");
    if (!orecchio.ascolta()) {
        std::fprintf(stderr, "%s: no sound server to listen to\n", argv[0]);
        return 2;
    }
    int bip = 0;
    const QStringList parole = {QStringLiteral("CANE"), QStringLiteral("MELA"),
                                QStringLiteral("PASTELLO"), QStringLiteral("UVA"),
                                QStringLiteral("ISOLA")};
    const std::unique_ptr<Voce> voce = creaVoceDiSistema(cartella, [&] { ++bip; });
    const double prima = residenteMb();
    voce->prepara();
    std::vector<double> tempi;
    int mancati = 0;
    for (int i = 0; i <= volte; ++i) {
        if (i > 0)
            Orecchio::aspetta(std::chrono::milliseconds(1500)); // the last word dies away
        const auto inizio = Orecchio::Orologio::now();
        voce->pronuncia(parole[i % parole.size()]);
        const std::optional<double> ms = orecchio.sentitoDopo(inizio, std::chrono::seconds(10));
        if (!ms) {
            std::printf("nothing heard in 10 s\n");
            ++mancati;
            continue;
        }
        if (i == 0)
            std::printf("first request, the voice starting: %.1f ms\n", *ms);
        else
            tempi.push_back(*ms);
    }
    std::sort(tempi.begin(), tempi.end());
    if (!tempi.empty())
        std::printf("later %zu: median %.1f ms, 95th percentile %.1f ms, worst %.1f ms\n",
                    tempi.size(), tempi[tempi.size() / 2], tempi[(tempi.size() * 95 - 1) / 100],
                    tempi.back());
    std::printf("%d not heard, %d beeps\n", mancati, bip);
    const double pronta = residenteMb();
    for (int i = 0; i < 200; ++i) {
        voce->pronuncia(parole[i % parole.size()]);
        Orecchio::aspetta(std::chrono::milliseconds(100));
    }
    Orecchio::aspetta(std::chrono::seconds(60));
    std::printf("resident: %.1f MB before the voice, %.1f MB after %d requests, %.1f MB a minute "
                "after 200 more\n",
                prima, pronta, volte + 1, residenteMb());
    return mancati == 0 && bip == 0 ? 0 : 1;
}
