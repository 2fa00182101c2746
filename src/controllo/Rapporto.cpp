// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllo/Rapporto.h"

#include <QDir>

#include <algorithm>

namespace {

int conta(const Rapporto& rapporto, Segnalazione::Gravita gravita) {
    const auto contaIn = [gravita](const QList<Segnalazione>& segnalazioni) {
        return int(
            std::count_if(segnalazioni.begin(), segnalazioni.end(),
                          [gravita](const Segnalazione& s) { return s.gravita == gravita; }));
    };
    int totale = contaIn(rapporto.generali);
    for (const RapportoFile& file : rapporto.file)
        totale += contaIn(file.segnalazioni);
    return totale;
}

QString quanti(int numero, const char* uno, const char* tanti) {
    return numero == 1 ? QStringLiteral("1 %1").arg(QString::fromUtf8(uno))
                       : QStringLiteral("%1 %2").arg(numero).arg(QString::fromUtf8(tanti));
}

QString riga(const Segnalazione& segnalazione) {
    return (segnalazione.gravita == Segnalazione::Gravita::Errore ? QStringLiteral("  ERRORE: ")
                                                                  : QStringLiteral("  Avviso: ")) +
           segnalazione.testo + QStringLiteral(".\n");
}

} // namespace

int Rapporto::errori() const {
    return conta(*this, Segnalazione::Gravita::Errore);
}

int Rapporto::avvisi() const {
    return conta(*this, Segnalazione::Gravita::Avviso);
}

int Rapporto::codiceUscita() const {
    return errori() > 0 ? 2 : avvisi() > 0 ? 1 : 0;
}

QString Rapporto::riassunto() const {
    const QString controllati =
        QStringLiteral("%1 controllati").arg(quanti(int(file.size()), "elenco", "elenchi"));
    if (errori() > 0)
        return QStringLiteral("%1: %2 e %3. Correggi gli errori: l'esercizio non può usare quegli "
                              "elenchi.")
            .arg(controllati, quanti(errori(), "errore", "errori"),
                 quanti(avvisi(), "avviso", "avvisi"));
    if (avvisi() > 0)
        return QStringLiteral("%1: %2, nessun errore. Gli esercizi funzionano, ma conviene "
                              "correggere.")
            .arg(controllati, quanti(avvisi(), "avviso", "avvisi"));
    return QStringLiteral("%1: tutto a posto.").arg(controllati);
}

QString Rapporto::testo() const {
    QString uscita =
        QStringLiteral("Elenchi di parole in %1\n\n").arg(QDir::toNativeSeparators(cartella));
    for (const Segnalazione& segnalazione : generali)
        uscita += riga(segnalazione);
    if (!generali.isEmpty())
        uscita += u'\n';
    for (const RapportoFile& elenco : file) {
        uscita += elenco.nome;
        if (!elenco.descrizione.isEmpty())
            uscita += QStringLiteral(": ") + elenco.descrizione;
        if (elenco.segnalazioni.isEmpty())
            uscita += QStringLiteral(". Va bene.");
        else if (!elenco.descrizione.isEmpty())
            uscita += u'.';
        uscita += u'\n';
        for (const Segnalazione& segnalazione : elenco.segnalazioni)
            uscita += riga(segnalazione);
        if (!elenco.segnalazioni.isEmpty())
            uscita += u'\n'; // a block to read stands apart from the lists that are fine
    }
    if (!uscita.endsWith(QStringLiteral("\n\n")))
        uscita += u'\n';
    return uscita + riassunto() + u'\n';
}
