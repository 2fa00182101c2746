// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/RiproduttoreWin32.h"

#include "platform/FileWav.h"
#include "platform/RiproduttoreDiSistema.h"

#include <windows.h>

#include <mmsystem.h>

namespace {

void ferma() {
    PlaySoundW(nullptr, nullptr, 0);
}

} // namespace

RiproduttoreWin32::RiproduttoreWin32(std::function<void()> bip)
    : bip_(std::move(bip)) {}

RiproduttoreWin32::~RiproduttoreWin32() {
    ferma(); // before the bytes it plays from go
}

void RiproduttoreWin32::riproduci(const QString& percorso) {
    std::optional<FileWav> wav = FileWav::leggi(percorso);
    ferma();
    inRiproduzione_.clear();
    if (!wav) {
        bip_();
        return;
    }
    inRiproduzione_ = wav->file;
    // SND_NODEFAULT: a sound the system refuses rings our beep, not its own
    // default sound, so every unplayable file sounds the same.
    if (!PlaySoundW(reinterpret_cast<LPCWSTR>(inRiproduzione_.constData()), nullptr,
                    SND_MEMORY | SND_ASYNC | SND_NODEFAULT)) {
        inRiproduzione_.clear();
        bip_();
    }
}

std::unique_ptr<Riproduttore> creaRiproduttoreDiSistema(std::function<void()> bip) {
    return std::make_unique<RiproduttoreWin32>(std::move(bip));
}
