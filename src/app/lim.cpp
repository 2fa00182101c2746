// SPDX-License-Identifier: GPL-3.0-or-later
// sequenzio-lim: starts the program beside it as large as the screen allows,
// for an interactive whiteboard. The program takes no command line and reads
// no settings, so the size is chosen here and handed over through Qt's own
// scale factor.

#include "app/SenzaSchermo.h"
#include "layout/Misure.h"
#include "platform/AvvisoDiSistema.h"
#include "platform/CartellaProgramma.h"
#include "platform/Collocazione.h"
#include "platform/SenzaBus.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>

#include <cstdio>
#include <optional>

namespace {

// The window manager's frame cannot be known before a window is mapped, and a
// window shown only to measure it would flash on the board. The estimate is
// the thickest frame of the usual desktops at their normal size: a 31 px title
// bar with 8 px borders (Windows 10 and 11), 37 px (GNOME), 21 px (openbox).
const QSize corniceStimata(16, 40);

} // namespace

int main(int argc, char* argv[]) {
    // Measured in the desktop's own pixels, whatever factor this was started with.
    qunsetenv("QT_SCALE_FACTOR");
    SenzaBus::evitaAvvioAutomatico();
    SenzaSchermo::sorveglia(
        "La partenza per la lavagna ha bisogno di uno schermo grafico: avviatela dal menu, in "
        "una sessione grafica.",
        1);
    // Qt Gui alone: this program shows no window of its own.
    QGuiApplication applicazione(argc, argv);
    SenzaSchermo::rilascia();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Sequenzio"));

    double fattore = 1;
    if (const QScreen* schermo = QGuiApplication::primaryScreen())
        fattore = Collocazione::fattoreScala(Misure::finestraPiuGrande(), corniceStimata,
                                             schermo->availableGeometry().size(), 0.05);
    // Only the program beside this one, whatever the name of their folder.
    const std::optional<QString> programma = fileAccanto(QStringLiteral("sequenzio"));
    QProcess avvio;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(fattore, 'f', 2));
    avvio.setProcessEnvironment(ambiente);
    avvio.setProgram(programma.value_or(QString()));
    if (!programma || !avvio.startDetached()) {
        const std::optional<QString> propria = cartellaProgramma();
        const QString dove =
            propria ? QStringLiteral("nella cartella %1")
                          .arg(QDir::toNativeSeparators(propria->isEmpty() ? QStringLiteral("/")
                                                                           : *propria))
                    : QStringLiteral("nella sua cartella (che ha nel nome caratteri che il "
                                     "programma non sa leggere)");
        const QString avviso =
            programma ? QStringLiteral("Non riesco ad avviare Sequenzio: il programma sequenzio "
                                       "c'è %1 ma non parte (%2). Reinstallate Sequenzio.")
                            .arg(dove, avvio.errorString())
                      : QStringLiteral("Non riesco ad avviare Sequenzio: manca il programma "
                                       "sequenzio %1. Reinstallate Sequenzio.")
                            .arg(dove);
        std::fprintf(stderr, "%s\n", qPrintable(avviso));
        AvvisoDiSistema::mostra(avviso);
        return 1;
    }
    std::printf("QT_SCALE_FACTOR=%s\n", qPrintable(QString::number(fattore, 'f', 2)));
    return 0;
}
