// SPDX-License-Identifier: GPL-3.0-or-later
// sequenzio-elenchi: checks the word lists as the exercises read them, in the
// terminal or, with --finestra (the desktop entry's way), in a window.

#include "app/SenzaSchermo.h"
#include "controllo/ControlloElenchi.h"
#include "controllo/FinestraControllo.h"
#include "platform/CartellaProgramma.h"
#include "platform/RigaDiComando.h"
#include "platform/SenzaBus.h"
#include "platform/TraduzioneItaliana.h"
#include "platform/VoceDiSistema.h"
#include "variants/Esercizi.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstring>
#include <memory>

namespace {

// Where the lists are and what to answer, or the status to end with.
struct Richiesta {
    QString cartella;
    QString originali; // the lists as shipped, where an installed checker finds them
    int uscita = -1;   // >= 0: end with it, all said
};

// The folder named on the command line, or the program's own testi.
Richiesta cartella(const QCommandLineParser& opzioni, int argc, char* argv[]) {
    Richiesta richiesta;
    const std::optional<QString> propria = cartellaProgramma();
    if (propria)
        richiesta.originali = QDir::cleanPath(*propria + QStringLiteral("/" SEQUENZIO_ORIGINALI));
    if (!opzioni.positionalArguments().isEmpty()) {
        richiesta.cartella = opzioni.positionalArguments().first();
        // A name that did not arrive as typed would be looked for under
        // another name, and wrongly called missing.
        if (!RigaDiComando::argomentoIntatto(richiesta.cartella, argc, argv)) {
            RigaDiComando::scriviErrore(
                QStringLiteral("Il nome della cartella %1 contiene caratteri che il "
                               "programma non sa leggere, come Sequenzio: rinominate la "
                               "cartella con lettere, numeri e spazi.\n")
                    .arg(Rapporto::visibile(richiesta.cartella)));
            richiesta.uscita = 2;
        }
    } else if (propria) {
        richiesta.cartella = *propria + QStringLiteral("/testi");
    } else {
        RigaDiComando::scriviErrore(
            u"Non trovo la cartella del programma: indicate la cartella degli elenchi.\n");
        richiesta.uscita = 2;
    }
    return richiesta;
}

Richiesta leggiRiga(int argc, char* argv[]) {
    QCommandLineParser opzioni;
    const ImpostazioniEsercizio& prima = Esercizi::di(Finestra::FormOrdina1).impostazioni;
    const ImpostazioniEsercizio& ultima = Esercizi::tutti().back().impostazioni;
    opzioni.setApplicationDescription(
        QStringLiteral("Controlla gli elenchi di parole di Sequenzio (%1 ... %2) come li leggono "
                       "gli esercizi.\nEsce con 0 se tutto va bene, 1 se ci sono solo avvisi, 2 "
                       "se qualche elenco non può essere usato.")
            .arg(prima.nomeElenco(1), ultima.nomeElenco(ultima.numeroFile)));
    const QCommandLineOption aiuto({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Mostra questo aiuto."));
    const QCommandLineOption versione({QStringLiteral("v"), QStringLiteral("version")},
                                      QStringLiteral("Mostra la versione."));
    opzioni.addOption(aiuto);
    opzioni.addOption(versione);
    opzioni.addOption(QCommandLineOption(QStringLiteral("finestra"),
                                         QStringLiteral("Mostra il rapporto in una finestra.")));
    opzioni.addPositionalArgument(
        QStringLiteral("CARTELLA"),
        QStringLiteral("La cartella degli elenchi (se manca: testi, accanto al programma)."),
        QStringLiteral("[CARTELLA]"));
    if (!opzioni.parse(QCoreApplication::arguments()) || opzioni.positionalArguments().size() > 1) {
        RigaDiComando::scriviErrore((opzioni.errorText().isEmpty()
                                         ? QStringLiteral("Una cartella sola, per favore.")
                                         : Rapporto::visibile(opzioni.errorText())) +
                                    u'\n' + opzioni.helpText());
        return {.uscita = 2};
    }
    if (opzioni.isSet(aiuto)) {
        RigaDiComando::scrivi(opzioni.helpText());
        return {.uscita = 0};
    }
    if (opzioni.isSet(versione)) {
        RigaDiComando::scrivi(QCoreApplication::applicationName() + u' ' +
                              QCoreApplication::applicationVersion() + u'\n');
        return {.uscita = 0};
    }
    return cartella(opzioni, argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    // With nowhere to write (started from the Windows desktop), the report
    // can only be a window.
    bool finestra = !RigaDiComando::terminale();
    for (int i = 1; i < argc; ++i)
        finestra = finestra || std::strcmp(argv[i], "--finestra") == 0;
    // The terminal report draws nothing, yet measures words in the windows'
    // font, on a platform that opens no window and, on Linux, needs no display,
    // so it works over ssh too.
    const bool schermo = RigaDiComando::schermo();
    if (!finestra || !schermo)
        RigaDiComando::senzaFinestre();
    else
        SenzaBus::evitaAvvioAutomatico();
    // 2, as for any check that could not be made: 1 would read as lists that
    // play with warnings.
    SenzaSchermo::sorveglia(
        "Il controllo degli elenchi in una finestra ha bisogno di uno schermo grafico che "
        "risponde: avviatelo dal menu, in una sessione grafica, o senza --finestra per avere il "
        "rapporto qui.",
        2);
    std::unique_ptr<QGuiApplication> applicazione =
        finestra && schermo ? std::make_unique<QApplication>(argc, argv)
                            : std::make_unique<QGuiApplication>(argc, argv);
    SenzaSchermo::rilascia();
    QCoreApplication::setApplicationName(QStringLiteral("sequenzio-elenchi"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SEQUENZIO_VERSIONE));
    QGuiApplication::setDesktopFileName(QStringLiteral("it.sequenzio.Elenchi"));
    installaTraduzioneItaliana();

    const Richiesta richiesta = leggiRiga(argc, argv);
    if (richiesta.uscita >= 0)
        return richiesta.uscita;
    if (finestra && schermo) {
        FinestraControllo vista(QDir(richiesta.cartella).absolutePath(), richiesta.originali);
        vista.show();
        const int esito = applicazione->exec();
        return esito != 0 ? esito : vista.codiceUscita();
    }
    if (finestra)
        RigaDiComando::scriviErrore(u"Nessuno schermo grafico: il rapporto segue qui.\n");
    const Rapporto rapporto = ControlloElenchi::controlla(richiesta.cartella, richiesta.originali);
    RigaDiComando::scrivi(rapporto.testo() +
                          rigaVoceItaliana(cartellaProgramma().value_or(QString())) + u'\n');
    return rapporto.codiceUscita();
}
