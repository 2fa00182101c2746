// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

struct pa_simple;

// Listens to the default sink's monitor on a thread of its own, so that the
// program's event loop goes on as in the real program, and keeps the last
// moment a loud sample came. The recording's own delay counts in, so the
// figures err on the long side.
class Orecchio {
public:
    using Orologio = std::chrono::steady_clock;

    explicit Orecchio(const char* nome);
    ~Orecchio();
    Orecchio(const Orecchio&) = delete;
    Orecchio& operator=(const Orecchio&) = delete;

    // False where no sound server answers.
    bool ascolta() const { return ascolto_ != nullptr; }
    // Milliseconds from inizio to the first loud sample after it, the event
    // loop running meanwhile; nothing when none comes within limite.
    std::optional<double> sentitoDopo(Orologio::time_point inizio, Orologio::duration limite) const;
    // Runs the event loop for that long.
    static void aspetta(Orologio::duration quanto);

private:
    pa_simple* ascolto_ = nullptr;
    std::atomic<bool> basta_ = false;
    std::atomic<Orologio::rep> sentito_ = 0;
    std::thread filo_;
};
