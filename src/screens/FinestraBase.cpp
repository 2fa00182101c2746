#include "screens/FinestraBase.h"

#include "screens/Disegno.h"
#include "shell/Modulo1.h"

#include <QCloseEvent>
#include <QMenuBar>

FinestraBase::FinestraBase(Modulo1& modulo, int larghezzaTwips, int altezzaTwips)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , modulo_(modulo)
    , area_(new QWidget(this)) {
    area_->setObjectName(QStringLiteral("area"));
    area_->setFixedSize(Disegno::pixel(larghezzaTwips), Disegno::pixel(altezzaTwips));
    setCentralWidget(area_);
    setWindowTitle(QString());
}

void FinestraBase::fissaDimensioni() {
    const int menu = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    setFixedSize(area_->width(), area_->height() + menu);
}

void FinestraBase::closeEvent(QCloseEvent* evento) {
    // The program unloads windows by hiding them; a close can only come from
    // the frame, and closing the only window ends the program.
    evento->accept();
    modulo_.FinestraChiusa();
}
