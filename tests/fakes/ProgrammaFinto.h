// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes/ProgrammaConFinti.h"
#include "screens/FabbricaFinestre.h"
#include "screens/FinestraBase.h"
#include "screens/StileTastiera.h"
#include "variants/Esercizi.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTest>

// The real windows, with fakes behind them, and ways to reach their controls.
template <typename Lettore = ElenchiFinti>
struct ProgrammaConFinestre : ProgrammaConFinti<Lettore> {
    FabbricaFinestre vere{this->casuale, this->avvisi, this->elenchi, this->cartella};

    explicit ProgrammaConFinestre(QString cartella = QStringLiteral("/prog"))
        : ProgrammaConFinti<Lettore>(std::move(cartella)) {
        StileTastiera::applica(); // as the program does at start
        this->fabbrica.vera = &vere;
    }
    ~ProgrammaConFinestre() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The windows alive once unloaded ones are gone.
    static QList<FinestraBase*> finestre() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<FinestraBase*> vive;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<FinestraBase*>(w))
                vive << f;
        return vive;
    }
    static FinestraBase* finestra() {
        const QList<FinestraBase*> vive = finestre();
        return vive.size() == 1 && vive.first()->isVisible() ? vive.first() : nullptr;
    }
    template <typename W = QWidget> static W* elemento(const QString& nome) {
        FinestraBase* f = finestra();
        return f ? f->findChild<W*>(nome) : nullptr;
    }
    static void clic(const QString& nome) {
        auto* bottone = elemento<QAbstractButton>(nome);
        QVERIFY2(bottone, qPrintable(nome));
        QTest::mouseClick(bottone, Qt::LeftButton);
    }
    static void menu(const QString& nome) {
        auto* voce = finestra()->findChild<QAction*>(nome);
        QVERIFY2(voce, qPrintable(nome));
        voce->trigger();
    }
};

// The real windows on word lists in memory. Every list runs from z down to a,
// and with no draws scripted a turn deals the list in file order.
struct ProgrammaFinto : ProgrammaConFinestre<> {
    ProgrammaFinto() {
        for (const Variante& variante : Esercizi::tutti()) {
            const ImpostazioniEsercizio& esercizio = variante.impostazioni;
            for (int n = 1; n <= esercizio.numeroFile; ++n) {
                QStringList parole;
                for (int i = 0; i < 30; ++i)
                    parole << QStringLiteral("%1parola%2").arg(QChar(u'z' - i)).arg(n);
                elenchi.metti(esercizio.percorsoElenco(QStringLiteral("/prog"), n), parole);
            }
        }
    }
};
