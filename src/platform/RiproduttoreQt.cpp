#include "platform/RiproduttoreQt.h"

#include <QApplication>
#include <QFile>
#include <QSoundEffect>
#include <QUrl>

namespace {
// Some files that are no sound at all never finish loading; they are turned
// away here, at the cost of reading twelve bytes.
bool sembraUnWav(const QString& percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inizio = file.read(12);
    return inizio.size() == 12 && inizio.startsWith("RIFF") && inizio.endsWith("WAVE");
}
} // namespace

RiproduttoreQt::RiproduttoreQt(QObject* genitore)
    : QObject(genitore) {}

void RiproduttoreQt::prepara(const QStringList& percorsi) {
    for (const QString& percorso : percorsi) {
        if (sembraUnWav(percorso))
            effetto(percorso);
    }
}

void RiproduttoreQt::riproduci(const QString& percorso) {
    if (inCorso_)
        inCorso_->stop();
    inCorso_ = nullptr;
    if (!sembraUnWav(percorso)) {
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

QString RiproduttoreQt::inCorso() const {
    return inCorso_ ? inCorso_->source().toLocalFile() : QString();
}
