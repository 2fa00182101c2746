// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the application icon: the letters picture scaled pixel by pixel (no
// smoothing), so the hand-drawn letters stay sharp. Below the picture's own
// size only halving keeps every stroke (22 or 24 pixels would drop odd rows and
// columns, and the "a" falls apart), so those sizes get the half-size picture on
// a transparent margin.
//   sequenzio_icona <file.png> <size>

#include "screens/Immagini.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <file.png> <size>\n", argv[0]);
        return 2;
    }
    bool numero = false;
    const int lato = QString::fromLocal8Bit(argv[2]).toInt(&numero);
    const QImage figura = Immagini::lettere();
    if (!numero || lato < 16 || lato > 1024) {
        std::fprintf(stderr, "%s: the size must be between 16 and 1024\n", argv[0]);
        return 2;
    }
    const int disegnato = lato >= figura.width() ? lato : figura.width() / 2;
    const QImage scalata =
        figura.scaled(disegnato, disegnato, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage icona(lato, lato, QImage::Format_ARGB32);
    icona.fill(Qt::transparent);
    QPainter pittore(&icona);
    pittore.drawImage((lato - disegnato) / 2, (lato - disegnato) / 2, scalata);
    pittore.end();
    if (!icona.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
