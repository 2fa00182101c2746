// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QProcessEnvironment>

// A PulseAudio server of the test's own with a null sink, and a recorder of
// that sink noting when loud samples come, so that a test hears what the
// program plays without a sound card.
class ServerSuono : public QObject {
public:
    // soglia: the sample value that counts as loud.
    explicit ServerSuono(int soglia)
        : soglia_(soglia) {}
    ~ServerSuono() override { ferma(); }

    // Starts both, their files in cartella; fails the test where they do not
    // start (check QTest::currentTestFailed()). The recorder waits for its server.
    void avvia(const QString& pulseaudio, const QString& parec, const QString& cartella);
    void ferma();
    bool inAscolto() const { return orecchio_.state() == QProcess::Running; }
    // What a client of this server needs, PULSE_SERVER among it.
    QProcessEnvironment ambiente() const { return ambiente_; }

    // On the server's own clock, in ms; -1 before anything loud since azzera().
    qint64 adesso() const { return orologio_.elapsed(); }
    qint64 primoForte() const { return primoForte_; }
    qint64 ultimoForte() const { return ultimoForte_; }
    void azzera() { primoForte_ = ultimoForte_ = -1; }

private:
    const int soglia_;
    QProcess server_, orecchio_;
    QProcessEnvironment ambiente_;
    QElapsedTimer orologio_;
    qint64 primoForte_ = -1, ultimoForte_ = -1;
};
