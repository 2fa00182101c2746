// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/Esercizio.h"
#include "screens/FinestraBase.h"

#include <QList>

class QAction;
class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;
struct LayoutEsercizio;

// The one window of all four exercises: it draws the exercise's state after
// every event and passes the pupil's clicks on, deciding nothing itself.
class FinestraEsercizio final : public FinestraBase {
    Q_OBJECT
public:
    FinestraEsercizio(Programma& programma, const ImpostazioniEsercizio& impostazioni,
                      const LayoutEsercizio& layout, const Esercizio::Servizi& servizi);

    bool carica() override;

private:
    void costruisci(const LayoutEsercizio& layout);
    void costruisciContatori(const LayoutEsercizio& layout);
    void costruisciBottoni(const LayoutEsercizio& layout);
    void costruisciPannello(const LayoutEsercizio& layout);
    void costruisciMenu(const LayoutEsercizio& layout);
    void ordinaTabulazione();
    void rendi();
    void rendiPannello(const StatoFinestra& stato);
    // Passes an event to the exercise, then draws what it decided.
    template <typename... Argomenti>
    void inoltra(void (Esercizio::*gestore)(Argomenti...), Argomenti... argomenti);

    Esercizio esercizio_;
    const LayoutEsercizio& layout_;
    QList<QWidget*> sottoIlPannello_; // out of the keyboard's reach while the panel shows
    QList<QPushButton*> BtParole_;
    QList<QLabel*> Label3_;
    QList<QRadioButton*> OpQuante_;
    QLabel* EtichettaEsatti_ = nullptr;
    QLabel* EtichettaErrati_ = nullptr;
    QLabel* ComandoIconaSi_ = nullptr;
    QLabel* ComandoIconaNo_ = nullptr;
    QToolButton* Command1_ = nullptr;
    QToolButton* Command3D1_ = nullptr;
    QToolButton* BottoneEsci_ = nullptr;
    QFrame* EtQuanteParole_ = nullptr;
    QButtonGroup* gruppoOpzioni_ = nullptr;
    QAction* mnuImmediato_ = nullptr;
    QAction* mnuTermine_ = nullptr;
};
