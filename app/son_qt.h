// SPDX-License-Identifier: GPL-3.0-or-later
// The sound effects: one wave file at a time through QSoundEffect. Playing
// returns at once and the sound goes on in the media service; nothing ever
// waits for its end.
#pragma once

#include <QString>
#include <memory>

#include "services.h"

class QSoundEffect;

// Whether the file starts as a RIFF WAVE file; false when it cannot be read.
bool EstFichierWave(const QString& chemin);

class SonQt : public ServiceSon {
public:
    SonQt();
    ~SonQt() override;
    SonQt(const SonQt&) = delete;
    SonQt& operator=(const SonQt&) = delete;

    void Fermer() override;
    // False, and silence, for a missing, unreadable or non-wave file. A file
    // that the player rejects later is stopped without a word.
    bool Jouer(const QString& chemin) override;

    // For tests: the player, null until the first sound.
    QSoundEffect* effet() const { return effet_.get(); }

private:
    std::unique_ptr<QSoundEffect> effet_;
};
