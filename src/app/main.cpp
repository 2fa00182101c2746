// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SenzaSchermo.h"
#include "platform/CartellaProgramma.h"
#include "platform/GeneratoreCasuale.h"
#include "platform/LettoreElenco.h"
#include "platform/TraduzioneItaliana.h"
#include "platform/qt/AvvisiQt.h"
#include "platform/qt/RiproduttoreQt.h"
#include "screens/FabbricaFinestre.h"
#include "screens/StileTastiera.h"
#include "shell/Modulo1.h"
#include "shell/ModuloColoriSuoni.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    SenzaSchermo::sorveglia(
        "Sequenzio ha bisogno di uno schermo grafico: avvialo dal desktop, in una sessione "
        "grafica (la variabile DISPLAY o WAYLAND_DISPLAY deve indicare uno schermo che "
        "risponde).",
        1);
    QApplication applicazione(argc, argv);
    SenzaSchermo::rilascia();
    applicazione.setApplicationName(QStringLiteral("sequenzio"));
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
    // Nothing lies below /dev/null: without its own folder the program reads no
    // list and no sound, rather than those of some other folder.
    const QString cartella = trovata.value_or(QStringLiteral("/dev/null"));
    LettoreElenco elenchi;
    RiproduttoreQt riproduttore;
    ModuloColoriSuoni coloriSuoni(casuale, riproduttore, cartella);
    FabbricaFinestre fabbrica(casuale, avvisi, elenchi, cartella);
    Modulo1 modulo({
        .casuale = casuale,
        .avvisi = avvisi,
        .coloriSuoni = coloriSuoni,
        .fabbrica = fabbrica,
        .termina = [] { QCoreApplication::exit(0); },
        .autore = QStringLiteral(SEQUENZIO_AUTORE),
        .mail = QStringLiteral(SEQUENZIO_MAIL),
    });
    modulo.Main();
    // The sound server is reached once the title is on screen, not before.
    QTimer::singleShot(0, [&] { riproduttore.prepara(); });
    return applicazione.exec();
}
