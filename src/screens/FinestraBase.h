// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QMetaObject>

class Programma;
class QScreen;

// What the six windows share: a fixed client area, no title text, and a frame
// whose close button ends the program without a question.
class FinestraBase : public QMainWindow {
    Q_OBJECT
public:
    FinestraBase(Programma& programma, int larghezzaTwips, int altezzaTwips);

    // Runs the window's load step; false when it cannot open.
    virtual bool carica() = 0;

protected:
    QWidget* area() const { return area_; }
    void fissaDimensioni();
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

    Programma& programma_;

private:
    void osservaSchermo(QScreen* schermo);
    void seguiSchermo(QScreen* schermo);
    void ricolloca();

    QWidget* area_;
    QMetaObject::Connection areaDisponibile_;
};
