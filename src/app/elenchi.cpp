// SPDX-License-Identifier: GPL-3.0-or-later
// sequenzio-elenchi: checks the word lists as the exercises read them, in the
// terminal or, with --finestra (the desktop entry's way), in a window.

#include "controllo/ControlloElenchi.h"
#include "controllo/FinestraControllo.h"
#include "platform/CartellaProgramma.h"
#include "platform/SenzaBus.h"
#include "platform/TraduzioneItaliana.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <cstring>
#include <memory>

int main(int argc, char* argv[]) {
    bool finestra = false;
    for (int i = 1; i < argc; ++i)
        finestra = finestra || std::strcmp(argv[i], "--finestra") == 0;
    // The terminal report draws nothing, yet measures words in the windows'
    // font: the offscreen platform has the same fonts and needs no display, so
    // it works over ssh too.
    const bool schermo = qEnvironmentVariableIsSet("DISPLAY") ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                         qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (!finestra || !schermo)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else
        SenzaBus::evitaAvvioAutomatico();
    std::unique_ptr<QGuiApplication> applicazione =
        finestra && schermo ? std::make_unique<QApplication>(argc, argv)
                            : std::make_unique<QGuiApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sequenzio-elenchi"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SEQUENZIO_VERSIONE));
    QGuiApplication::setDesktopFileName(QStringLiteral("it.sequenzio.Elenchi"));
    installaTraduzioneItaliana();

    QCommandLineParser opzioni;
    opzioni.setApplicationDescription(
        QStringLiteral("Controlla gli elenchi di parole di Sequenzio (a1.txt ... c10.txt) come "
                       "li leggono gli esercizi.\nEsce con 0 se tutto va bene, 1 se ci sono solo "
                       "avvisi, 2 se qualche elenco non può essere usato."));
    const QCommandLineOption aiuto({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Mostra questo aiuto."));
    const QCommandLineOption versione({QStringLiteral("v"), QStringLiteral("version")},
                                      QStringLiteral("Mostra la versione."));
    const QCommandLineOption inFinestra(QStringLiteral("finestra"),
                                        QStringLiteral("Mostra il rapporto in una finestra."));
    opzioni.addOption(aiuto);
    opzioni.addOption(versione);
    opzioni.addOption(inFinestra);
    opzioni.addPositionalArgument(
        QStringLiteral("CARTELLA"),
        QStringLiteral("La cartella degli elenchi (se manca: testi, accanto al programma)."),
        QStringLiteral("[CARTELLA]"));
    QTextStream uscita(stdout);
    QTextStream errori(stderr);
    if (!opzioni.parse(applicazione->arguments()) || opzioni.positionalArguments().size() > 1) {
        errori << (opzioni.errorText().isEmpty() ? QStringLiteral("Una cartella sola, per favore.")
                                                 : opzioni.errorText())
               << "\n"
               << opzioni.helpText();
        return 2;
    }
    if (opzioni.isSet(aiuto)) {
        uscita << opzioni.helpText();
        return 0;
    }
    if (opzioni.isSet(versione)) {
        uscita << QCoreApplication::applicationName() << ' '
               << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    QString cartella;
    if (!opzioni.positionalArguments().isEmpty()) {
        cartella = opzioni.positionalArguments().first();
    } else if (const std::optional<QString> propria = cartellaProgramma()) {
        cartella = *propria + QStringLiteral("/testi");
    } else {
        errori << "Non trovo la cartella del programma: indica la cartella degli elenchi.\n";
        return 2;
    }

    if (finestra && schermo) {
        FinestraControllo vista(QDir(cartella).absolutePath());
        vista.show();
        return applicazione->exec();
    }
    if (finestra)
        errori << "Nessuno schermo grafico: il rapporto segue qui.\n";
    const Rapporto rapporto = ControlloElenchi::controlla(cartella);
    uscita << rapporto.testo();
    return rapporto.codiceUscita();
}
