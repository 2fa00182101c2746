// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/OpzioneQuante.h"

#include <QAccessibleWidget>

namespace {

class OpzioneAccessibile final : public QAccessibleWidget {
public:
    explicit OpzioneAccessibile(QRadioButton* opzione)
        : QAccessibleWidget(opzione, QAccessible::RadioButton) {}

    QString text(QAccessible::Text quale) const override {
        if (quale == QAccessible::Name && widget()->accessibleName().isEmpty())
            return opzione()->text();
        return QAccessibleWidget::text(quale);
    }

    QAccessible::State state() const override {
        QAccessible::State stato = QAccessibleWidget::state();
        stato.checkable = true;
        stato.checked = opzione()->isChecked();
        return stato;
    }

    QStringList actionNames() const override {
        QStringList azioni;
        if (widget()->isEnabled())
            azioni << pressAction() << toggleAction();
        return azioni + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& azione) override {
        if (azione != pressAction() && azione != toggleAction())
            QAccessibleWidget::doAction(azione);
        else if (widget()->isEnabled())
            opzione()->click();
    }

private:
    QRadioButton* opzione() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* interfaccia(const QString& classe, QObject* oggetto) {
    if (classe == QLatin1String("OpzioneQuante"))
        return new OpzioneAccessibile(static_cast<OpzioneQuante*>(oggetto));
    return nullptr;
}

} // namespace

OpzioneQuante::OpzioneQuante(const QString& testo, QWidget* genitore)
    : QRadioButton(testo, genitore) {
    static const bool installata = [] {
        QAccessible::installFactory(interfaccia);
        return true;
    }();
    Q_UNUSED(installata)
}

bool OpzioneQuante::hitButton(const QPoint& punto) const {
    return rect().contains(punto);
}
