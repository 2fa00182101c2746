// SPDX-License-Identifier: GPL-3.0-or-later
// From the menu to an exercise window on screen: building the real window,
// loading its first list from data/testi and painting it once. Runs on whatever
// platform Qt is given (offscreen when there is no display).

#include "fakes/ProgrammaFinto.h"
#include "platform/LettoreElenco.h"
#include "screens/FinestraEsercizio.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

namespace {

// Notes the first paint that reaches a window of the given kind.
template <typename Tipo> class Vedetta final : public QObject {
public:
    bool dipinta = false;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) {
            if (auto* widget = qobject_cast<QWidget*>(oggetto);
                widget && qobject_cast<Tipo*>(widget->window()))
                dipinta = true;
        }
        return false;
    }
};

// Events are handled until the window has painted; false if it never does.
template <typename Tipo> bool attendiPittura(Vedetta<Tipo>& vedetta) {
    QElapsedTimer limite;
    limite.start();
    while (!vedetta.dipinta && limite.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return vedetta.dipinta;
}

// The real windows on data/testi, with chance from a fixed seed.
struct ProgrammaVero : ProgrammaConFinestre<LettoreElenco> {
    ProgrammaVero()
        : ProgrammaConFinestre(QStringLiteral(SEQUENZIO_DATA_DIR)) {
        casuale.seme(20261207);
    }

    void menu() {
        modulo.Mostra(Finestra::FormMenu);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        fabbrica.registro.clear();
    }
};

void DalMenu(benchmark::State& stato, Finestra finestra) {
    ProgrammaVero programma;
    programma.modulo.Main();
    programma.menu();
    Vedetta<FinestraEsercizio> vedetta;
    qApp->installEventFilter(&vedetta);
    for (auto _ : stato) {
        vedetta.dipinta = false;
        programma.modulo.Mostra(finestra);
        if (programma.fabbrica.caricata() != finestra || !attendiPittura(vedetta)) {
            stato.SkipWithError(programma.avvisi.mostrate.isEmpty()
                                    ? "the exercise window did not appear"
                                    : qPrintable(programma.avvisi.mostrate.first().testo));
            break;
        }
        stato.PauseTiming();
        programma.menu();
        stato.ResumeTiming();
    }
    qApp->removeEventFilter(&vedetta);
}

} // namespace

// Each window once, before anything else in the process has warmed Qt's caches
// for it: what the pupil waits the first time.
BENCHMARK_CAPTURE(DalMenu, prima_volta_lettere, Finestra::FormOrdina)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DalMenu, prima_volta_prima_lettera, Finestra::FormOrdina1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DalMenu, prima_volta_due_lettere, Finestra::FormOrdina2)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DalMenu, prima_volta_tutte_le_lettere, Finestra::FormOrdina3)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(DalMenu, lettere, Finestra::FormOrdina)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DalMenu, prima_lettera, Finestra::FormOrdina1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DalMenu, due_lettere, Finestra::FormOrdina2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DalMenu, tutte_le_lettere, Finestra::FormOrdina3)->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
