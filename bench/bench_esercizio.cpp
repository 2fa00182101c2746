// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's hot paths in each of the four exercises, on the real word lists:
// a new turn (read a list and deal it), one click, and a whole turn played.

#include "exercise/OrdineAlfabetico.h"
#include "fakes/BancoEsercizio.h"
#include "platform/LettoreElenco.h"
#include "variants/Esercizi.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// An exercise reading data/testi; chance and the program around it are fakes.
struct Banco : BancoEsercizio<LettoreElenco> {
    explicit Banco(const ImpostazioniEsercizio& impostazioni)
        : BancoEsercizio(QStringLiteral(SEQUENZIO_DATA_DIR)) {
        // Draws from a fixed seed: the same work in every run, and not the worst
        // case a constant draw would give the dealing walk.
        casuale.seme(20261207);
        apri(impostazioni);
    }

    // Keeps the log from growing over millions of rounds; cheap when idle.
    void riavvolgi() {
        if (guscio.registro.size() > 4096)
            guscio.registro.clear();
    }

    int quante() const { return guscio.condivisi.QuanteParole; }

    // The tiles of this turn in the order a pupil who knows the alphabet clicks them.
    std::vector<int> ordineGiusto() const {
        const auto& tessere = esercizio->stato().tessere;
        std::vector<int> ordine(static_cast<std::size_t>(quante()));
        std::iota(ordine.begin(), ordine.end(), 0);
        std::stable_sort(ordine.begin(), ordine.end(), [&](int a, int b) {
            return maggiore(tessere[b].didascalia, tessere[a].didascalia);
        });
        return ordine;
    }

    // False, with the reason given to the benchmark, when something went wrong.
    bool inSalute(benchmark::State& stato) {
        if (!avvisi.mostrate.isEmpty()) {
            stato.SkipWithError(qPrintable(avvisi.mostrate.first().testo));
            return false;
        }
        if (esercizio->lasciata()) {
            stato.SkipWithError("the exercise went back to the menu");
            return false;
        }
        if (guscio.condivisi.NumeroErrati != 0) {
            stato.SkipWithError("a click in the right order was judged wrong");
            return false;
        }
        return true;
    }
};

// Choosing the count already chosen deals a new turn, as the window's panel does.
void NuovoTurno(benchmark::State& stato, Finestra finestra) {
    Banco banco(Esercizi::di(finestra).impostazioni);
    if (!banco.esercizio->Form_Load() || !banco.inSalute(stato))
        return;
    const int opzione = banco.quante() - 2;
    for (auto _ : stato) {
        banco.esercizio->OpQuante_Click(opzione);
        benchmark::DoNotOptimize(banco.esercizio->stato().tessere.constData());
        banco.riavvolgi();
    }
    banco.inSalute(stato);
}

// A right click checked at once, the costliest kind: it compares the word with
// every tile still free. The last tile of a turn is never clicked here, so no new
// turn is dealt; the row is cleared, off the clock, when it is one short.
void Clic(benchmark::State& stato, Finestra finestra) {
    Banco banco(Esercizi::di(finestra).impostazioni);
    if (!banco.esercizio->Form_Load() || !banco.inSalute(stato))
        return;
    banco.esercizio->mnuImmediato_Click();
    const std::vector<int> ordine = banco.ordineGiusto();
    std::size_t prossimo = 0;
    for (auto _ : stato) {
        banco.esercizio->BtParole_Click(ordine[prossimo]);
        if (++prossimo == ordine.size() - 1) {
            stato.PauseTiming();
            banco.esercizio->Command3D1_Click();
            banco.riavvolgi();
            prossimo = 0;
            stato.ResumeTiming();
        }
    }
    banco.inSalute(stato);
}

// Every tile clicked in the right order, checked at once; the last click plays
// the sound and deals the next turn from a freshly read list.
void TurnoGiocato(benchmark::State& stato, Finestra finestra) {
    Banco banco(Esercizi::di(finestra).impostazioni);
    if (!banco.esercizio->Form_Load() || !banco.inSalute(stato))
        return;
    banco.esercizio->mnuImmediato_Click();
    for (auto _ : stato) {
        stato.PauseTiming();
        const std::vector<int> ordine = banco.ordineGiusto();
        banco.riavvolgi();
        stato.ResumeTiming();
        for (int k : ordine)
            banco.esercizio->BtParole_Click(k);
    }
    if (banco.inSalute(stato) && banco.guscio.condivisi.NumeroEsatti == 0)
        stato.SkipWithError("no turn was counted as done");
}

} // namespace

BENCHMARK_CAPTURE(NuovoTurno, lettere, Finestra::FormOrdina)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NuovoTurno, prima_lettera, Finestra::FormOrdina1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NuovoTurno, due_lettere, Finestra::FormOrdina2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NuovoTurno, tutte_le_lettere, Finestra::FormOrdina3)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(Clic, lettere, Finestra::FormOrdina);
BENCHMARK_CAPTURE(Clic, prima_lettera, Finestra::FormOrdina1);
BENCHMARK_CAPTURE(Clic, due_lettere, Finestra::FormOrdina2);
BENCHMARK_CAPTURE(Clic, tutte_le_lettere, Finestra::FormOrdina3);

BENCHMARK_CAPTURE(TurnoGiocato, lettere, Finestra::FormOrdina)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TurnoGiocato, prima_lettera, Finestra::FormOrdina1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TurnoGiocato, due_lettere, Finestra::FormOrdina2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TurnoGiocato, tutte_le_lettere, Finestra::FormOrdina3)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
