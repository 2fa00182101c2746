// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

// The checker's report for a teacher who started it from the desktop menu.
class FinestraControllo final : public QWidget {
    Q_OBJECT
public:
    explicit FinestraControllo(const QString& cartella, const QString& originali = {},
                               QWidget* genitore = nullptr);

    void controlla();
    // The terminal report's exit status for the last check shown.
    int codiceUscita() const { return codiceUscita_; }

private:
    void apriCartella();

    QString cartella_;
    QString originali_;
    QString vista_; // the folder as the last check found it, links resolved
    int codiceUscita_ = 0;
    QLabel* riassunto_ = nullptr;
    QLabel* nota_ = nullptr;
    QPlainTextEdit* rapporto_ = nullptr;
};
