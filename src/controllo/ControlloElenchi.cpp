// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllo/ControlloElenchi.h"

#include "controllo/Consigli.h"
#include "controllo/EsameElenco.h"
#include "layout/Layout.h"
#include "platform/RigaDiComando.h"
#include "variants/Esercizi.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

using Consigli::citata;

// The exercises that read lists, in the table's order.
QList<Famiglia> famiglie() {
    QList<Famiglia> elenco;
    for (const Variante& variante : Esercizi::tutti()) {
        if (variante.impostazioni.daFile())
            elenco.append(
                {variante.impostazioni, Layout::esercizio(variante.finestra), variante.regola});
    }
    return elenco;
}

bool guasto(const RapportoFile& elenco) {
    return std::any_of(
        elenco.segnalazioni.cbegin(), elenco.segnalazioni.cend(),
        [](const Segnalazione& s) { return s.gravita == Segnalazione::Gravita::Errore; });
}

// The command that brings the shipped list back over a missing or broken one;
// copying over a folder or a pipe would not bring it back.
QString ripristino(const Rapporto& rapporto, const QString& nome, const QString& originali) {
    const QDir dir(rapporto.cartella);
    const QFileInfo presente(dir.filePath(nome));
    const QString spedito = QDir(originali).filePath(nome);
    if (!dir.exists() || (presente.exists() && !presente.isFile()) || originali.isEmpty() ||
        !QFileInfo(spedito).isFile())
        return {};
    return RigaDiComando::comandoCopia(spedito, rapporto.cartella,
                                       !rapporto.scrivibile ||
                                           (presente.exists() && !presente.isWritable()));
}

// A list under another name is never dealt: say so, or the teacher waits for it.
void nomiMaiLetti(Rapporto& rapporto, const QStringList& letti) {
    QStringList nomiLetti, prefissi;
    for (const Famiglia& famiglia : famiglie()) {
        nomiLetti.append(QStringLiteral("%1 … %2").arg(
            famiglia.esercizio.nomeElenco(1),
            famiglia.esercizio.nomeElenco(famiglia.esercizio.numeroFile)));
        prefissi.append(QRegularExpression::escape(famiglia.esercizio.prefissoFile));
    }
    const QRegularExpression simile(QStringLiteral("^(%1)\\d+(\\..*)?$").arg(prefissi.join(u'|')),
                                    QRegularExpression::CaseInsensitiveOption);
    const QDir dir(rapporto.cartella);
    const QStringList presenti =
        dir.entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QString& nome : presenti) {
        if (!simile.match(nome).hasMatch() || letti.contains(nome))
            continue;
        // Where names are found whatever their case (Windows, a USB stick), the
        // exercise opens this very file under the name it looks for.
        const QString minuscolo = nome.toLower();
        if (letti.contains(minuscolo) && !presenti.contains(minuscolo) &&
            QFileInfo::exists(dir.filePath(minuscolo)))
            continue;
        // Windows hides the .txt it adds to a name typed as "a3.txt".
        const bool txtDoppio = nome.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) &&
                               letti.contains(nome.chopped(4).toLower());
        if (txtDoppio)
            rapporto.generali.append(
                Consigli::di(Consiglio::TxtDoppio, {citata(nome), citata(nome.chopped(4).toLower()),
                                                    citata(nome.chopped(8).toLower())}));
        else if (letti.contains(minuscolo) && !presenti.contains(minuscolo))
            rapporto.generali.append(
                Consigli::di(Consiglio::NomeInMaiuscole, {citata(nome), citata(minuscolo)}));
        else
            rapporto.generali.append(Consigli::di(
                Consiglio::NomeMaiLetto, {citata(nome), nomiLetti.join(QStringLiteral(", "))}));
    }
}

} // namespace

namespace ControlloElenchi {

Rapporto controlla(const QString& cartella, const QString& originali) {
    Rapporto rapporto;
    const QFileInfo informazioni(cartella);
    // The folder the teacher edits, not a link to it.
    rapporto.cartella =
        informazioni.exists() ? informazioni.canonicalFilePath() : QDir(cartella).absolutePath();
    const QDir dir(rapporto.cartella);
    if (!dir.exists())
        rapporto.generali.append(
            Consigli::di(Consiglio::CartellaMancante,
                         {Rapporto::visibile(QDir::toNativeSeparators(rapporto.cartella))}));
    else
        rapporto.scrivibile = informazioni.isWritable();
    QStringList letti;
    for (const Famiglia& famiglia : famiglie()) {
        for (int numero = 1; numero <= famiglia.esercizio.numeroFile; ++numero) {
            RapportoFile elenco{.nome = famiglia.esercizio.nomeElenco(numero)};
            EsameElenco(famiglia, elenco).file(dir.filePath(elenco.nome));
            if (guasto(elenco))
                elenco.ripristino = ripristino(rapporto, elenco.nome, originali);
            letti.append(elenco.nome);
            rapporto.file.append(elenco);
        }
    }
    nomiMaiLetti(rapporto, letti);
    return rapporto;
}

} // namespace ControlloElenchi
