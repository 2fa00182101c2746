// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SenzaSchermo.h"
#include "platform/CartellaProgramma.h"
#include "platform/GeneratoreCasuale.h"
#include "platform/LettoreElenco.h"
#include "platform/RiproduttoreDiSistema.h"
#include "platform/SenzaBus.h"
#include "platform/TraduzioneItaliana.h"
#include "platform/VoceDiSistema.h"
#include "platform/qt/AvvisiQt.h"
#include "screens/FabbricaFinestre.h"
#include "screens/StileTastiera.h"
#include "shell/Modulo1.h"
#include "shell/ModuloColoriSuoni.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    SenzaBus::evitaAvvioAutomatico();
    SenzaSchermo::sorveglia(
        "Sequenzio ha bisogno di uno schermo grafico: avvialo dal desktop, in una sessione "
        "grafica (la variabile DISPLAY o WAYLAND_DISPLAY deve indicare uno schermo che "
        "risponde).",
        1);
    QApplication applicazione(argc, argv);
    SenzaSchermo::rilascia();
    applicazione.setApplicationName(QStringLiteral("sequenzio"));
    // What a window manager shows for the windows' empty captions.
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Sequenzio"));
    // Lets a Wayland desktop match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.sequenzio.Sequenzio"));
    installaTraduzioneItaliana();
    StileTastiera::applica();

    GeneratoreCasuale casuale;
    AvvisiQt avvisi;
    const std::optional<QString> trovata = cartellaProgramma();
    if (!trovata) {
        const QString avviso = QStringLiteral(
            "Sequenzio non trova la propria cartella: il suo nome contiene caratteri che il "
            "programma non sa leggere. Sposta il programma, con le cartelle testi e suoni, in una "
            "cartella dal nome semplice.");
        std::fprintf(stderr, "%s\n", qPrintable(avviso));
        avvisi.mostra(avviso, Avvisi::Pulsanti::Ok, Avvisi::Icona::Esclamazione);
    }
    const QString cartella = trovata.value_or(cartellaSenzaFile());
    LettoreElenco elenchi;
    const std::unique_ptr<Riproduttore> riproduttore =
        creaRiproduttoreDiSistema([] { QApplication::beep(); });
    ModuloColoriSuoni coloriSuoni(casuale, *riproduttore, cartella);
    const std::unique_ptr<Voce> voce = creaVoceDiSistema(cartella, [] { QApplication::beep(); });
    FabbricaFinestre fabbrica(casuale, avvisi, elenchi, cartella);
    Modulo1 modulo({
        .casuale = casuale,
        .avvisi = avvisi,
        .coloriSuoni = coloriSuoni,
        .voce = *voce,
        .fabbrica = fabbrica,
        .termina = [] { QCoreApplication::exit(0); },
        .autore = QStringLiteral(SEQUENZIO_AUTORE),
        .mail = QStringLiteral(SEQUENZIO_MAIL),
    });
    modulo.Main();
    // The sound library is loaded and the server reached once the title has
    // been on screen a moment: a timer of 0 fired before the window was mapped,
    // and the loading took its share of the start. The first sound is a title
    // and a menu away. The voice's module and service start then too, on a
    // thread of their own.
    QTimer::singleShot(500, [&] {
        riproduttore->prepara();
        voce->prepara();
    });
    return applicazione.exec();
}
