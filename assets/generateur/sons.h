// SPDX-License-Identifier: GPL-3.0-or-later
// The seven sound effects of the Base folder, one per kind of event,
// synthesised from sine waves and seeded noise: the same bytes every time.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace donnees {

constexpr int FrequenceSons = 22050;  // samples per second, mono, 16 bits

struct Son {
    QString nom;  // file name, as the program asks for it ("Sedime.Wav", ...)
    std::vector<std::int16_t> echantillons;
};

// In the order of the events: Sedime, Coulee, Erode, Granite, Plisse,
// Chevauche, Casse. Each lasts less than two seconds.
std::vector<Son> FabriquerSons();

// A complete RIFF/WAVE file: 44-byte header (PCM, mono, 16 bits at
// `frequence` samples per second) followed by the samples, little-endian.
QByteArray FichierWav(const std::vector<std::int16_t>& echantillons, int frequence);

}  // namespace donnees
