// SPDX-License-Identifier: GPL-3.0-or-later
#include "Orecchio.h"

#include <QCoreApplication>

#include <pulse/simple.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

Orecchio::Orecchio(const char* nome) {
    static const pa_sample_spec formato{PA_SAMPLE_S16LE, 44100, 1};
    pa_buffer_attr memoria{};
    memoria.maxlength = uint32_t(-1);
    memoria.fragsize = uint32_t(pa_usec_to_bytes(1000, &formato));
    int errore = 0;
    ascolto_ = pa_simple_new(nullptr, nome, PA_STREAM_RECORD, "@DEFAULT_MONITOR@", "ascolto",
                             &formato, nullptr, &memoria, &errore);
    if (!ascolto_)
        return;
    filo_ = std::thread([this] {
        std::vector<short> pezzo(44); // 1 ms
        while (!basta_) {
            pa_simple_read(ascolto_, pezzo.data(), pezzo.size() * sizeof(short), nullptr);
            if (std::any_of(pezzo.begin(), pezzo.end(), [](short s) { return std::abs(s) > 300; }))
                sentito_ = Orologio::now().time_since_epoch().count();
        }
    });
}

Orecchio::~Orecchio() {
    basta_ = true;
    if (filo_.joinable())
        filo_.join();
    if (ascolto_)
        pa_simple_free(ascolto_);
}

std::optional<double> Orecchio::sentitoDopo(Orologio::time_point inizio,
                                            Orologio::duration limite) const {
    const auto quando = [this] { return Orologio::time_point(Orologio::duration(sentito_)); };
    const auto fine = inizio + limite;
    while (quando() < inizio && Orologio::now() < fine)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    if (quando() < inizio)
        return std::nullopt;
    return std::chrono::duration<double, std::milli>(quando() - inizio).count();
}

void Orecchio::aspetta(Orologio::duration quanto) {
    const auto fine = Orologio::now() + quanto;
    while (Orologio::now() < fine)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}
