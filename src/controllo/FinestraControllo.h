// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

// The checker's report for a teacher who started it from the desktop menu.
class FinestraControllo final : public QWidget {
    Q_OBJECT
public:
    explicit FinestraControllo(const QString& cartella, QWidget* genitore = nullptr);

    void controlla();

private:
    QString cartella_;
    QLabel* riassunto_ = nullptr;
    QPlainTextEdit* rapporto_ = nullptr;
};
