// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MotoreVoce.h"

#include <memory>

class QTextToSpeech;

// Qt TextToSpeech with the first of the system's engines that has an Italian
// voice: speech-dispatcher on Linux, the system's own voices on Windows.
class MotoreQt final : public MotoreVoce {
public:
    MotoreQt();
    ~MotoreQt() override;
    MotoreQt(const MotoreQt&) = delete;
    MotoreQt& operator=(const MotoreQt&) = delete;

    bool italiano() const override { return voce_ != nullptr; }
    bool di(const QString& testo) override;

private:
    std::unique_ptr<QTextToSpeech> voce_;
};
