// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sintesi/MotoreQt.h"

#include <QTextToSpeech>

#include <optional>

namespace {

// Italy's Italian first, then any other Italian; never a foreign voice.
std::optional<QLocale> linguaItaliana(const QTextToSpeech& voce) {
    std::optional<QLocale> trovato;
    for (const QLocale& lingua : voce.availableLocales()) {
        if (lingua.language() != QLocale::Italian)
            continue;
        if (lingua.territory() == QLocale::Italy)
            return lingua;
        trovato = trovato.value_or(lingua);
    }
    return trovato;
}

} // namespace

MotoreQt::MotoreQt() {
    for (const QString& motore : QTextToSpeech::availableEngines()) {
        // Its state may read as an error only because the system's own
        // language has no voice: what counts is an Italian one.
        auto voce = std::make_unique<QTextToSpeech>(motore);
        const std::optional<QLocale> lingua = linguaItaliana(*voce);
        if (!lingua)
            continue;
        voce->setLocale(*lingua);
        if (voce->locale().language() != QLocale::Italian || voce->availableVoices().isEmpty())
            continue;
        voce_ = std::move(voce);
        return;
    }
}

MotoreQt::~MotoreQt() = default;

bool MotoreQt::di(const QString& testo) {
    if (!voce_)
        return false;
    voce_->stop(QTextToSpeech::BoundaryHint::Immediate);
    if (!testo.isEmpty())
        voce_->say(testo);
    return true;
}

extern "C" Q_DECL_EXPORT MotoreVoce* sequenzio_crea_motore_voce() {
    return new MotoreQt;
}
