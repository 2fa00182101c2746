// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/VoceDiSistema.h"

#include "platform/VoceCaricata.h"

namespace {

// The module's name without its system's ending, which QLibrary adds.
QString modulo(const QString& cartella) {
    return cartella + QStringLiteral("/sequenzio-voce");
}

} // namespace

std::unique_ptr<Voce> creaVoceDiSistema(const QString& cartella, std::function<void()> bip) {
    return std::make_unique<VoceCaricata>(modulo(cartella), std::move(bip));
}

QString rigaVoceItaliana(const QString& cartella) {
    // Asked once: reaching the service takes a second or more.
    static const bool presente = VoceCaricata::italianaPresente(modulo(cartella));
    if (presente)
        return QStringLiteral("Lettura ad alta voce: questo computer può leggere le parole in "
                              "italiano (clic destro o dito tenuto premuto su una tessera).");
    return QStringLiteral("Lettura ad alta voce: questo computer non ha una voce italiana per "
                          "leggere le parole. %1")
        .arg(comeAvereLaVoceItaliana());
}
