// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllo/Rapporto.h"

#include "platform/LettoreElenco.h"
#include "platform/RigaDiComando.h"

#include <QDir>
#include <QRegularExpression>

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
        return QStringLiteral("%1: %2. Correggete gli errori: l'esercizio non può usare quegli "
                              "elenchi, o i bambini non possono leggerli.")
            .arg(controllati,
                 avvisi() > 0 ? QStringLiteral("%1 e %2").arg(quanti(errori(), "errore", "errori"),
                                                              quanti(avvisi(), "avviso", "avvisi"))
                              : QStringLiteral("%1, nessun avviso")
                                    .arg(quanti(errori(), "errore", "errori")));
    if (avvisi() > 0)
        return QStringLiteral("%1: %2, nessun errore. Gli esercizi funzionano, ma conviene "
                              "correggere.")
            .arg(controllati, quanti(avvisi(), "avviso", "avvisi"));
    return QStringLiteral("%1: tutto a posto.").arg(controllati);
}

QString Rapporto::testo() const {
    QString uscita = QStringLiteral("Elenchi di parole in %1\n")
                         .arg(visibile(QDir::toNativeSeparators(cartella)));
    if (!scrivibile)
        uscita += QStringLiteral("Il vostro account può leggere questa cartella ma non cambiarla: "
                                 "per modificare un elenco servono i permessi di amministratore "
                                 "(per esempio %1), oppure chiedete a chi gestisce "
                                 "il computer.\n")
                      .arg(visibile(RigaDiComando::comandoModificaDaAmministratore(
                          cartella + QStringLiteral("/a1.txt"))));
    uscita += u'\n';
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
        if (!elenco.ripristino.isEmpty())
            uscita += QStringLiteral("  Per rimettere l'elenco originale: %1\n")
                          .arg(visibile(elenco.ripristino));
        if (!elenco.segnalazioni.isEmpty())
            uscita += u'\n'; // a block to read stands apart from the lists that are fine
    }
    if (!uscita.endsWith(QStringLiteral("\n\n")))
        uscita += u'\n';
    return uscita + riassunto() + u'\n';
}

QString Rapporto::visibile(QStringView testo) {
    QString vista;
    vista.reserve(testo.size());
    for (const QChar c : testo) {
        if (LettoreElenco::daTogliere(c))
            vista += u'·';
        else if (c.isSpace() && c != u'\t')
            vista += u' ';
        else
            vista += c;
    }
    return vista;
}
