// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SenzaSchermo.h"
#include "platform/RigaDiComando.h"

#include <QList>
#include <QMutex>
#include <QString>

#include <cstdlib>
#include <utility>

namespace {

struct Messaggio {
    QtMsgType tipo;
    QByteArray file, funzione, categoria;
    int riga;
    QString testo;
};

QMutex guardia;
QList<Messaggio> trattenuti;
QtMessageHandler precedente = nullptr;
const char* spiegazione = "";
int uscitaSenzaSchermo = 1;

void trattieni(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
    if (tipo == QtFatalMsg) {
        // The only fatal message while the application starts is Qt's own
        // "no platform could be initialized". Written as the checker writes
        // its report, in the console's encoding and line ends.
        RigaDiComando::terminale();
        RigaDiComando::scriviErrore(QString::fromUtf8(spiegazione) + u'\n');
        std::_Exit(uscitaSenzaSchermo); // nothing half-built to tear down, and no core
    }
    const QMutexLocker blocco(&guardia);
    trattenuti.append(
        {tipo, contesto.file, contesto.function, contesto.category, contesto.line, testo});
}

} // namespace

namespace SenzaSchermo {

void sorveglia(const char* riga, int uscita) {
    spiegazione = riga;
    uscitaSenzaSchermo = uscita;
    precedente = qInstallMessageHandler(trattieni);
}

void rilascia() {
    qInstallMessageHandler(precedente);
    const QMutexLocker blocco(&guardia);
    for (const Messaggio& m : std::as_const(trattenuti)) {
        const QMessageLogContext contesto(m.file.isNull() ? nullptr : m.file.constData(), m.riga,
                                          m.funzione.isNull() ? nullptr : m.funzione.constData(),
                                          m.categoria.isNull() ? nullptr : m.categoria.constData());
        precedente(m.tipo, contesto, m.testo);
    }
    trattenuti.clear();
}

} // namespace SenzaSchermo
