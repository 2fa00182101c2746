// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/FabbricaSchermate.h"
#include "shell/Schermata.h"

#include <QSet>
#include <QStringList>

#include <optional>

// Windows that write in a shared log what happens to them. With a real factory
// behind it the real windows do the work, and the log still tells the story.
class FabbricaFinta final : public FabbricaSchermate {
public:
    QStringList registro;
    QSet<Finestra> caricate;
    QSet<Finestra> nonSiAprono;
    FabbricaSchermate* vera = nullptr;

    static QString nome(Finestra f) { return QString::fromLatin1(Finestre::nome(f)); }

    // The one window loaded, if exactly one is.
    std::optional<Finestra> caricata() const {
        if (caricate.size() != 1)
            return std::nullopt;
        return *caricate.begin();
    }

    class SchermataFinta final : public Schermata {
    public:
        SchermataFinta(FabbricaFinta& fabbrica, Finestra finestra, std::unique_ptr<Schermata> vera)
            : fabbrica_(fabbrica)
            , finestra_(finestra)
            , vera_(std::move(vera)) {}
        ~SchermataFinta() override {
            fabbrica_.caricate.remove(finestra_);
            fabbrica_.registro << QStringLiteral("scarica ") + nome(finestra_);
        }
        bool carica() override {
            fabbrica_.registro << QStringLiteral("carica ") + nome(finestra_);
            if (fabbrica_.nonSiAprono.contains(finestra_) || (vera_ && !vera_->carica()))
                return false;
            fabbrica_.caricate.insert(finestra_);
            return true;
        }
        void mostra(const Schermata* alPostoDi) override {
            fabbrica_.registro << QStringLiteral("mostra ") + nome(finestra_);
            // The real window opens over the real one it replaces.
            const auto* sotto = dynamic_cast<const SchermataFinta*>(alPostoDi);
            if (vera_)
                vera_->mostra(sotto ? sotto->vera_.get() : alPostoDi);
        }

    private:
        FabbricaFinta& fabbrica_;
        Finestra finestra_;
        std::unique_ptr<Schermata> vera_;
    };

    std::unique_ptr<Schermata> crea(Finestra finestra, Programma& programma) override {
        return std::make_unique<SchermataFinta>(*this, finestra,
                                                vera ? vera->crea(finestra, programma) : nullptr);
    }
};
