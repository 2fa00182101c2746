// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllo/EsameElenco.h"

#include "controllo/ControlloElenchi.h"
#include "controllo/FoglioDiCalcolo.h"
#include "controllo/Sorprese.h"
#include "controllo/Tessere.h"
#include "exercise/OrdineAlfabetico.h"
#include "layout/Layout.h"
#include "layout/Misure.h"
#include "variants/AlfabetoItaliano.h"
#include "variants/Esercizi.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <climits>
#include <optional>

namespace {

using Campo = LettoreElenco::Campo;
using Esito = RisultatoLettura::Esito;
using namespace Consigli;

// Where a letter outside the exercise's alphabet falls in the program's order.
QString doveCade(const QString& iniziale) {
    static const QStringList alfabeto = alfabetoItaliano();
    if (maggiore(alfabeto.front(), iniziale))
        return tra({}, alfabeto.front());
    for (qsizetype i = 0; i + 1 < alfabeto.size(); ++i) {
        if (maggiore(alfabeto[i + 1], iniziale))
            return tra(alfabeto[i], alfabeto[i + 1]);
    }
    return tra(alfabeto.back(), {});
}

} // namespace

void EsameElenco::segnala(Consiglio consiglio, const QStringList& argomenti) {
    rapporto_.segnalazioni.append(Consigli::di(consiglio, argomenti));
}

QString EsameElenco::tessera(const QString& parola) const {
    return famiglia_.esercizio.maiuscole ? parola.toUpper() : parola;
}

void EsameElenco::file(const QString& percorso) {
    LettoreElenco::Testo letto;
    const std::optional<QList<Campo>> campi = leggi(percorso, letto);
    if (!campi)
        return;
    QStringList scritte;
    for (const Campo& campo : *campi)
        scritte.append(tessera(campo.parola));
    rtf_ = letto.testo.trimmed().startsWith(QLatin1String("{\\rtf"), Qt::CaseInsensitive);
    titolo_ = !rtf_ && titolo(*campi);
    codifiche(letto);
    FoglioDiCalcolo foglio(famiglia_.esercizio.maiuscole, rapporto_.segnalazioni);
    if (!rtf_)
        foglio.separatori(*campi); // WordPad's header holds semicolons, told of as a document
    for (qsizetype i = 0; i < campi->size(); ++i) {
        rapporto_.segnalazioni.append(
            Sorprese::nelCampo(int(i + 1), campi->at(i), tessera(campi->at(i).parola)));
        foglio.virgolette(int(i + 1), campi->at(i));
    }
    vuoteEDoppie(*campi);
    if (famiglia_.regola == Regola::PrimaLettera)
        iniziali(*campi);
    if (famiglia_.regola == Regola::PrimeDueLettere)
        rapporto_.segnalazioni.append(Tessere::primeDueUguali(scritte));
    cosaMostrano(letto, *campi, scritte);
    rapporto_.segnalazioni.append(Tessere::coppie(scritte));
    larghezze(*campi);
}

// The words the exercise reads, after saying how many and whether that is enough.
std::optional<QList<LettoreElenco::Campo>> EsameElenco::leggi(const QString& percorso,
                                                              LettoreElenco::Testo& letto) {
    const int servono = famiglia_.esercizio.voci;
    QByteArray dati;
    bool troncato = false;
    switch (LettoreElenco::carica(percorso, dati, troncato)) {
    case Esito::Mancante:
        segnala(Consiglio::FileMancante);
        return std::nullopt;
    case Esito::Illeggibile:
        segnala(Consiglio::FileIlleggibile);
        return std::nullopt;
    default:
        break;
    }
    std::optional<LettoreElenco::Testo> decodificato = LettoreElenco::decodifica(dati, troncato);
    if (!decodificato) {
        segnala(Consiglio::NonTesto);
        return std::nullopt;
    }
    letto = std::move(*decodificato);
    // Past the words read, only how many more there are matters, within reason.
    const QList<Campo> tutti = LettoreElenco::dividi(letto.testo, servono + 10000);
    QList<Campo> campi = tutti.mid(0, servono);
    const auto piene = std::count_if(tutti.begin() + campi.size(), tutti.end(),
                                     [](const Campo& campo) { return !campo.parola.isEmpty(); });
    rapporto_.descrizione = descrizione(letto.codifica, campi.size(), servono, piene);
    switch (LettoreElenco::esito(campi.size(), servono, troncato)) {
    case Esito::TroppoGrande:
        segnala(Consiglio::TroppoGrande, {QString::number(servono)});
        break;
    case Esito::TroppoCorto:
        if (campi.isEmpty())
            segnala(Consiglio::NessunaParola, {QString::number(servono)});
        else
            segnala(Consiglio::TroppoCorto, {paroleSole(campi.size()), QString::number(servono),
                                             QString::number(servono - campi.size())});
        break;
    default:
        break;
    }
    return campi;
}

void EsameElenco::codifiche(const LettoreElenco::Testo& testo) {
    using Codifica = RisultatoLettura::Codifica;
    switch (testo.codifica) {
    case Codifica::Mista:
        segnala(Consiglio::DueCodifiche,
                {righe(testo.righeAntiche), nomeCodifica(Codifica::Windows1252)});
        break;
    case Codifica::MistaDos850:
        segnala(Consiglio::DueCodifiche,
                {righe(testo.righeAntiche), QStringLiteral("testo MS-DOS")});
        break;
    case Codifica::MistaMacRoman:
        segnala(Consiglio::DueCodifiche, {righe(testo.righeAntiche), QStringLiteral("testo Mac")});
        break;
    case Codifica::Dos850:
    case Codifica::MacRoman:
        segnala(Consiglio::CodificaAntica, {nomeCodifica(testo.codifica)});
        break;
    default:
        break;
    }
}

void EsameElenco::vuoteEDoppie(const QList<Campo>& campi) {
    QHash<QString, int> viste;
    for (qsizetype i = 0; i < campi.size(); ++i) {
        const Campo& campo = campi[i];
        const int numero = int(i + 1);
        if (campo.parola.isEmpty()) {
            segnala(Consiglio::Vuota, {chiamata(numero, campo)});
            continue;
        }
        // Tiles show words in capitals: "Cane" and "cane" look the same there.
        const QString chiave = tessera(campo.parola);
        if (const auto prima = viste.constFind(chiave); prima != viste.cend())
            segnala(Consiglio::Doppia,
                    {chiamata(numero, campo), citata(campo.parola), QString::number(*prima)});
        else
            viste.insert(chiave, numero);
    }
}

void EsameElenco::iniziali(const QList<Campo>& campi) {
    static const QStringList alfabeto = alfabetoItaliano();
    QMap<QString, QList<int>> perIniziale;
    for (qsizetype i = titolo_ ? 1 : 0; i < campi.size(); ++i) {
        const QString& parola = campi[i].parola;
        if (parola.isEmpty())
            continue;
        const QString iniziale = parola.first(parola.front().isHighSurrogate() ? 2 : 1).toUpper();
        if (!QChar::isLetter(iniziale.toUcs4().front()))
            continue; // a bullet or a number, told of with the tiles
        perIniziale[iniziale].append(int(i + 1));
        if (!alfabeto.contains(iniziale))
            segnala(Consiglio::InizialeFuoriAlfabeto,
                    {chiamata(int(i + 1), campi[i]), citata(parola), citata(iniziale),
                     QString::number(alfabeto.size()), doveCade(iniziale)});
    }
    for (auto it = perIniziale.cbegin(); it != perIniziale.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        QStringList parole;
        for (const int numero : it.value())
            parole.append(conNumero(campi[numero - 1].parola, numero));
        segnala(Consiglio::InizialeRipetuta, {citata(it.key()), parole.join(QStringLiteral(", "))});
    }
}

// What the tiles show, held against what a teacher types, and the known causes.
void EsameElenco::cosaMostrano(const LettoreElenco::Testo& testo, const QList<Campo>& campi,
                               const QStringList& scritte) {
    QStringList daGuardare = scritte;
    for (qsizetype i = 0; i < campi.size(); ++i) {
        if (campi[i].parola.contains(u';') || campi[i].parola.contains(u'\t'))
            daGuardare[i].clear(); // a spreadsheet row, told of as such
    }
    const auto conCodici =
        std::find_if(daGuardare.cbegin(), daGuardare.cend(),
                     [](const QString& t) { return Tessere::insoliti(t).contains(Insolito::Rtf); });
    if (rtf_ && conCodici != daGuardare.cend())
        segnala(Consiglio::DocumentoRtf, {citata(*conCodici)});
    if (titolo_) {
        segnala(Consiglio::Titolo, {chiamata(1, campi.front()), citata(campi.front().parola)});
        daGuardare.front().clear();
    }
    const std::optional<Segnalazione> insolite = Tessere::insolite(daGuardare);
    if (!insolite)
        return;
    rapporto_.segnalazioni.append(*insolite);
    // Letters an older editor wrote in its own code show as symbols.
    const bool lettereStrane =
        std::any_of(daGuardare.cbegin(), daGuardare.cend(), [](const QString& t) {
            const QList<Insolito> generi = Tessere::insoliti(t);
            return generi.contains(Insolito::Simbolo) || generi.contains(Insolito::Illeggibile) ||
                   generi.contains(Insolito::Altro);
        });
    if (lettereStrane && testo.codifica == RisultatoLettura::Codifica::Windows1252)
        segnala(Consiglio::CodificaSbagliata, {nomeCodifica(testo.codifica)});
}

// A first line of several words, or one ending in a colon, above single words.
bool EsameElenco::titolo(const QList<Campo>& campi) const {
    if (campi.size() < 3)
        return false;
    const QString& prima = campi.front().parola;
    if (prima.count(u' ') < 2 && !prima.endsWith(u':'))
        return false;
    const auto conBlank = std::count_if(campi.begin() + 1, campi.end(), [](const Campo& campo) {
        return campo.parola.contains(u' ');
    });
    return conBlank * 3 <= campi.size() - 1;
}

void EsameElenco::larghezze(const QList<Campo>& campi) {
    for (qsizetype i = 0; i < campi.size(); ++i) {
        const Campo& campo = campi[i];
        if (campo.parola.isEmpty() || campo.parola.contains(u';') || campo.parola.contains(u'\t') ||
            rtf_ || (titolo_ && i == 0))
            continue; // a spreadsheet row, a title or a WordPad header, told of as such
        larghezza(int(i + 1), campo);
    }
}

void EsameElenco::larghezza(int numero, const Campo& campo) {
    const QString chi = chiamata(numero, campo);
    const QString citazione = citata(campo.parola);
    if (campo.tagliata)
        segnala(Consiglio::Tagliata,
                {chi, citazione, QString::number(LettoreElenco::massimoCaratteri)});
    const QString scritta = tessera(campo.parola);
    const LayoutEsercizio& layout = famiglia_.layout;
    // The smallest size either grid draws the word at, against its own.
    int disegnata = INT_MAX, progettata = 0;
    for (const Griglia* griglia : {&layout.tessere, &layout.caselle}) {
        const int grandezza =
            Misure::adattato(scritta, griglia->punti, Layout::pixel(griglia->width)).pixelSize();
        const int propria = Misure::carattere(griglia->punti).pixelSize();
        if (grandezza < propria && grandezza < disegnata) {
            disegnata = grandezza;
            progettata = propria;
        }
    }
    if (progettata == 0)
        return;
    const QStringList argomenti{chi, citazione, QString::number(disegnata),
                                QString::number(progettata)};
    if (disegnata < ControlloElenchi::pixelLeggibili)
        segnala(Consiglio::IllegibileSullaTessera,
                argomenti + QStringList{QString::number(ControlloElenchi::pixelLeggibili)});
    else
        segnala(Consiglio::PiuLargaDellaTessera, argomenti);
}
