// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/Misure.h"

#include "layout/Layout.h"
#include "variants/Esercizi.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QRegularExpression>

namespace Misure {

QFont carattere(double punti) {
    QFont font;
    // Where Arial itself is missing (Wine, a bare Windows test machine), its
    // metric twin keeps every width the same.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setBold(true);
    font.setPixelSize(qRound(punti * 96.0 / 72.0));
    // Letters keep their drawn widths, as Linux desktops show them; Windows'
    // full hinting would widen some words by a pixel and shrink them on their tiles.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QFont adattato(const QString& testo, double punti, int larghezza) {
    // A few pixels stay clear inside the frame on either side.
    const int spazio = qMax(1, larghezza - 8);
    QFont font = carattere(punti);
    while (font.pixelSize() > 1 && QFontMetrics(font).horizontalAdvance(testo) > spazio)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QString aCapoAiBlank(const QString& testo, const QFont& font, int larghezza) {
    const QFontMetrics misure(font);
    static const QRegularExpression pezzi(QStringLiteral("\\s+|\\S+"));
    QStringList righe{QString()};
    for (const auto& pezzo : pezzi.globalMatch(testo)) {
        const QString parte = pezzo.captured();
        QString& riga = righe.last();
        const bool blank = parte.front().isSpace();
        if (riga.isEmpty() || misure.horizontalAdvance(riga + parte) <= larghezza || blank) {
            riga += parte;
        } else {
            while (!riga.isEmpty() && riga.back().isSpace() && riga.trimmed().size() > 0)
                riga.chop(1);
            righe.append(parte);
        }
    }
    return righe.join(u'\n');
}

int altezzaMenu() {
    // One line of the desktop's font, and 5 pixels more.
    return QFontMetrics(QGuiApplication::font()).height() + 5;
}

QSize finestraPiuGrande() {
    QSize piuGrande;
    const auto tieni = [&](int larghezza, int altezza, int sopra) {
        piuGrande =
            piuGrande.expandedTo(QSize(Layout::pixel(larghezza), Layout::pixel(altezza) + sopra));
    };
    tieni(Layout::FormAvvio().larghezza, Layout::FormAvvio().altezza, 0);
    tieni(Layout::FormMenu().larghezza, Layout::FormMenu().altezza, 0);
    for (const Variante& variante : Esercizi::tutti()) {
        const LayoutEsercizio& layout = Layout::esercizio(variante.finestra);
        tieni(layout.larghezza, layout.altezza, altezzaMenu());
    }
    return piuGrande;
}

} // namespace Misure
