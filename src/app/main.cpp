// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CartellaProgramma.h"
#include "platform/GeneratoreCasuale.h"
#include "platform/LettoreElenco.h"
#include "platform/TraduzioneItaliana.h"
#include "platform/qt/AvvisiQt.h"
#include "platform/qt/RiproduttoreQt.h"
#include "screens/FabbricaFinestre.h"
#include "shell/Modulo1.h"
#include "shell/ModuloColoriSuoni.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    applicazione.setApplicationName(QStringLiteral("sequenzio"));
    // Lets a Wayland desktop match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.sequenzio.Sequenzio"));
    installaTraduzioneItaliana();

    const QString cartella = cartellaProgramma();
    GeneratoreCasuale casuale;
    AvvisiQt avvisi;
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
