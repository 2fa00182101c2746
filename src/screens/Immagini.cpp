// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Immagini.h"

#include <QIconEngine>
#include <QPainter>

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

// An icon whose drawings (smallest first) are stretched with stirata().
class IconaNitida final : public QIconEngine {
public:
    explicit IconaNitida(QList<QImage> disegni)
        : disegni_(std::move(disegni)) {}

    QIconEngine* clone() const override { return new IconaNitida(*this); }

    void paint(QPainter* pittore, const QRect& posto, QIcon::Mode, QIcon::State) override {
        const qreal rapporto = pittore->device()->devicePixelRatioF();
        pittore->drawPixmap(posto,
                            stirata(scelto(posto.size() * rapporto), posto.size(), rapporto));
    }

    QPixmap pixmap(const QSize& misura, QIcon::Mode, QIcon::State) override {
        return stirata(scelto(misura), misura);
    }

    QPixmap scaledPixmap(const QSize& misura, QIcon::Mode, QIcon::State, qreal) override {
        return stirata(scelto(misura), misura); // the caller sets the pixel ratio
    }

    // The drawings, and the largest one at two, three and four times its size:
    // what a window manager may ask for its bigger icons.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> misure;
        for (const QImage& disegno : disegni_)
            misure << disegno.size();
        for (const int volte : {2, 3, 4})
            misure << disegni_.last().size() * volte;
        return misure;
    }

private:
    // The largest drawing that needs no shrinking, or the smallest.
    const QImage& scelto(QSize misura) const {
        for (auto disegno = disegni_.crbegin(); disegno != disegni_.crend(); ++disegno)
            if (disegno->width() <= misura.width() && disegno->height() <= misura.height())
                return *disegno;
        return disegni_.first();
    }

    QList<QImage> disegni_;
};

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

QPixmap stirata(const QImage& figura, QSize misura, qreal rapporto) {
    const QSize pixel = misura * rapporto;
    const bool ingrandisce = pixel.width() >= figura.width() && pixel.height() >= figura.height();
    QPixmap tela = QPixmap::fromImage(
        figura.scaled(pixel, Qt::IgnoreAspectRatio,
                      ingrandisce ? Qt::FastTransformation : Qt::SmoothTransformation));
    tela.setDevicePixelRatio(rapporto);
    return tela;
}

QIcon icona(const QImage& figura) {
    return QIcon(new IconaNitida({figura}));
}

QIcon iconaBacchetta() {
    return QIcon(new IconaNitida({bacchetta16(), bacchetta()}));
}

} // namespace Immagini
