// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class Programma;

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

    Programma& programma_;

private:
    QWidget* area_;
};
