// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/FabbricaSchermate.h"
#include "shell/Schermata.h"

#include <QSet>
#include <QStringList>

// Windows that only write in a shared log what happens to them.
class FabbricaFinta final : public FabbricaSchermate {
public:
    QStringList registro;
    QSet<Finestra> caricate;
    QSet<Finestra> nonSiAprono;

    static QString nome(Finestra f) {
        switch (f) {
        case Finestra::FormAvvio:
            return QStringLiteral("FormAvvio");
        case Finestra::FormMenu:
            return QStringLiteral("FormMenu");
        case Finestra::FormOrdina1:
            return QStringLiteral("FormOrdina1");
        case Finestra::FormOrdina2:
            return QStringLiteral("FormOrdina2");
        case Finestra::FormOrdina:
            return QStringLiteral("FormOrdina");
        case Finestra::FormOrdina3:
            return QStringLiteral("FormOrdina3");
        }
        return {};
    }

    class SchermataFinta final : public Schermata {
    public:
        SchermataFinta(FabbricaFinta& fabbrica, Finestra finestra)
            : fabbrica_(fabbrica)
            , finestra_(finestra) {}
        ~SchermataFinta() override {
            fabbrica_.caricate.remove(finestra_);
            fabbrica_.registro << QStringLiteral("scarica ") + nome(finestra_);
        }
        bool carica() override {
            fabbrica_.registro << QStringLiteral("carica ") + nome(finestra_);
            if (fabbrica_.nonSiAprono.contains(finestra_))
                return false;
            fabbrica_.caricate.insert(finestra_);
            return true;
        }
        void mostra(const Schermata*) override {
            fabbrica_.registro << QStringLiteral("mostra ") + nome(finestra_);
        }

    private:
        FabbricaFinta& fabbrica_;
        Finestra finestra_;
    };

    std::unique_ptr<Schermata> crea(Finestra finestra, Programma&) override {
        return std::make_unique<SchermataFinta>(*this, finestra);
    }
};
