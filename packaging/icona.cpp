// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the application icon: the letters picture enlarged pixel by pixel, so
// the hand-drawn letters stay sharp at every size.
//   sequenzio_icona <file.png> <size>

#include "screens/Immagini.h"

#include <QImage>
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
    if (!numero || lato < figura.width() || lato % figura.width() != 0) {
        std::fprintf(stderr, "%s: the size must be a multiple of %d\n", argv[0], figura.width());
        return 2;
    }
    const QImage icona = figura.scaled(lato, lato, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!icona.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
