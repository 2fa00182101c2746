// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controllo/Consigli.h"
#include "controllo/Rapporto.h"
#include "platform/LettoreElenco.h"

struct ImpostazioniEsercizio;
struct LayoutEsercizio;
enum class Regola;

// The lists of one exercise: how it reads them, draws them and what they must keep.
struct Famiglia {
    const ImpostazioniEsercizio& esercizio;
    const LayoutEsercizio& layout;
    Regola regola;
};

// One list file of a family, judged as its exercise will read and show it.
// Words are measured in the windows' font, so a QGuiApplication must exist.
class EsameElenco {
public:
    EsameElenco(const Famiglia& famiglia, RapportoFile& rapporto)
        : famiglia_(famiglia)
        , rapporto_(rapporto) {}

    void file(const QString& percorso);

private:
    using Campo = LettoreElenco::Campo;

    void segnala(Consiglio consiglio, const QStringList& argomenti = {});
    // The word as its tile shows it.
    QString tessera(const QString& parola) const;
    std::optional<QList<Campo>> leggi(const QString& percorso, LettoreElenco::Testo& letto);
    void codifiche(const LettoreElenco::Testo& testo);
    void cosaMostrano(const LettoreElenco::Testo& testo, const QList<Campo>& campi,
                      const QStringList& scritte);
    bool titolo(const QList<Campo>& campi) const;
    void vuoteEDoppie(const QList<Campo>& campi);
    void iniziali(const QList<Campo>& campi);
    void larghezze(const QList<Campo>& campi);
    void larghezza(int numero, const Campo& campo);

    const Famiglia& famiglia_;
    RapportoFile& rapporto_;
    // Lines that are no words: their width is not the trouble.
    bool rtf_ = false;
    bool titolo_ = false;
};
