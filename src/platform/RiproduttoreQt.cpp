#include "platform/RiproduttoreQt.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

RiproduttoreQt::RiproduttoreQt(QObject* genitore)
    : QObject(genitore) {}

void RiproduttoreQt::prepara(const QStringList& percorsi) {
    for (const QString& percorso : percorsi) {
        if (QFileInfo::exists(percorso))
            effetto(percorso);
    }
}

void RiproduttoreQt::riproduci(const QString& percorso) {
    if (inCorso_)
        inCorso_->stop();
    inCorso_ = nullptr;
    if (!QFileInfo::exists(percorso)) {
        QApplication::beep();
        return;
    }
    QSoundEffect* suono = effetto(percorso);
    if (suono->status() == QSoundEffect::Error) {
        QApplication::beep();
        return;
    }
    inCorso_ = suono;
    suono->play();
}

QSoundEffect* RiproduttoreQt::effetto(const QString& percorso) {
    if (QSoundEffect* noto = effetti_.value(percorso))
        return noto;
    auto* suono = new QSoundEffect(this);
    // A damaged file is found out while loading, after play was asked for.
    connect(suono, &QSoundEffect::statusChanged, this, [this, suono] {
        if (suono->status() == QSoundEffect::Error && inCorso_ == suono) {
            inCorso_ = nullptr;
            QApplication::beep();
        }
    });
    suono->setSource(QUrl::fromLocalFile(percorso));
    effetti_.insert(percorso, suono);
    return suono;
}
