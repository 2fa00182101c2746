// SPDX-License-Identifier: GPL-3.0-or-later
// The word-list reader on arbitrary bytes. The first byte asks for its low seven
// bits' worth of fields and, with its top bit, says the file went on beyond the
// bytes given.

#include "fakes/Verifica.h"
#include "platform/Invisibili.h"
#include "platform/LettoreElenco.h"

#include <algorithm>
#include <cstdint>

namespace {

bool utf16BenFormato(const QString& testo) {
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo[i].isHighSurrogate()) {
            if (i + 1 >= testo.size() || !testo[i + 1].isLowSurrogate())
                return false;
            ++i;
        } else if (testo[i].isLowSurrogate()) {
            return false;
        }
    }
    return true;
}

// Whether some whole code point of testo, beyond U+FFFF too, never reaches a tile.
bool conInvisibili(const QString& testo) {
    const QList<uint> codici = testo.toUcs4();
    return std::any_of(codici.begin(), codici.end(),
                       [](uint codice) { return Invisibili::daTogliere(char32_t(codice)); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    if (dimensione == 0)
        return 0;
    const int campi = dati[0] & 0x7F;
    const bool troncato = (dati[0] & 0x80) != 0;
    const QByteArrayView testo(reinterpret_cast<const char*>(dati + 1), qsizetype(dimensione - 1));
    using Esito = RisultatoLettura::Esito;

    const RisultatoLettura letto = LettoreElenco::analizza(testo, campi, troncato);
    const qsizetype quanti = letto.campi.size();
    verifica(quanti <= campi, "mai piu' campi di quelli chiesti");
    switch (letto.esito) {
    case Esito::Letto:
        verifica(quanti == campi, "letto vuol dire tutti i campi");
        break;
    case Esito::TroppoCorto:
        verifica(quanti < campi && !troncato, "troppo corto solo a file intero");
        break;
    case Esito::TroppoGrande:
        verifica(quanti < campi && troncato, "troppo grande solo a file troncato");
        break;
    case Esito::NonTesto:
        verifica(quanti == 0 && testo.contains('\0'), "non testo solo con NUL");
        break;
    case Esito::Mancante:
    case Esito::Illeggibile:
        verifica(false, "esito da file su dati in memoria");
    }
    const bool utf16 = testo.startsWith("\xFF\xFE") || testo.startsWith("\xFE\xFF");
    verifica(letto.esito == Esito::NonTesto || utf16 || !testo.contains('\0'), "NUL accettato");
    for (const QString& campo : letto.campi) {
        verifica(campo.size() <= LettoreElenco::massimoCaratteri, "campo oltre il limite");
        verifica(!campo.contains(u'\n') && !campo.contains(u'\r'), "fine riga in un campo");
        verifica(std::none_of(campo.begin(), campo.end(), LettoreElenco::daTogliere),
                 "carattere di controllo o di direzione in un campo");
        verifica(!conInvisibili(campo), "carattere invisibile oltre U+FFFF in un campo");
        verifica(utf16BenFormato(campo), "campo con mezzo carattere");
        verifica(campo == campo.normalized(QString::NormalizationForm_C), "campo non in NFC");
    }
    // Asking for more fields only reads further: the first ones stay the same.
    if (campi > 0 && letto.esito != Esito::NonTesto) {
        const RisultatoLettura meno = LettoreElenco::analizza(testo, campi - 1, troncato);
        verifica(meno.campi == letto.campi.mid(0, campi - 1), "campi diversi chiedendone meno");
    }
    return 0;
}
