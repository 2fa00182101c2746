// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Disegno.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>

namespace Disegno {

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

QColor daBgr(quint32 bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

void sfondo(QWidget* widget, const QColor& colore) {
    // Buttons paint their background with the button colour, other widgets
    // with the window colour.
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(widget->backgroundRole(), colore);
    widget->setPalette(tavolozza);
    widget->setAutoFillBackground(true);
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

namespace {
template <typename W>
W* piazza(W* widget, const QString& nome, const Rettangolo& posto, double punti) {
    widget->setObjectName(nome);
    widget->setGeometry(posto.inPixel());
    widget->setFont(carattere(punti));
    return widget;
}
} // namespace

QLabel* etichetta(QWidget* genitore, const QString& nome, const Rettangolo& posto,
                  const QString& testo, double punti) {
    auto* scritta = piazza(new QLabel(testo, genitore), nome, posto, punti);
    // Words come from files anyone can edit: never markup, never a picture to load.
    scritta->setTextFormat(Qt::PlainText);
    return scritta;
}

QPushButton* bottone(QWidget* genitore, const QString& nome, const Rettangolo& posto,
                     const QString& testo, double punti) {
    return piazza(new QPushButton(testo, genitore), nome, posto, punti);
}

QToolButton* bottoneConFigura(QWidget* genitore, const QString& nome, const Rettangolo& posto,
                              const QString& testo, double punti, const QIcon& figura) {
    auto* bottone = piazza(new QToolButton(genitore), nome, posto, punti);
    bottone->setText(testo);
    bottone->setIcon(figura);
    bottone->setIconSize(QSize(32, 32));
    bottone->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bottone->setFocusPolicy(Qt::StrongFocus);
    return bottone;
}

} // namespace Disegno
