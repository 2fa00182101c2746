// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Immagini.h"

#include <QPixmap>

#include "immagini/bacchetta.xpm"
#include "immagini/bacchetta16.xpm"
#include "immagini/faccina_ridente.xpm"
#include "immagini/faccina_sorridente.xpm"
#include "immagini/faccina_triste.xpm"
#include "immagini/lettere.xpm"
#include "immagini/persona.xpm"

namespace Immagini {

namespace {

QImage daXpm(const char* const* xpm) {
    return QImage(xpm).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage lettere() {
    return daXpm(lettere_xpm);
}

QImage persona() {
    return daXpm(persona_xpm);
}

QImage bacchetta() {
    return daXpm(bacchetta_xpm);
}

QImage bacchetta16() {
    return daXpm(bacchetta16_xpm);
}

QImage faccinaSorridente() {
    return daXpm(faccina_sorridente_xpm);
}

QImage faccinaRidente() {
    return daXpm(faccina_ridente_xpm);
}

QImage faccinaTriste() {
    return daXpm(faccina_triste_xpm);
}

QIcon iconaBacchetta() {
    QIcon icona;
    icona.addPixmap(QPixmap::fromImage(bacchetta16()));
    icona.addPixmap(QPixmap::fromImage(bacchetta()));
    return icona;
}

} // namespace Immagini
