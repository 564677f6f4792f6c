// What every command of strataloom-render shares: the textures, reading a
// list file, the replay through the window's own code, writing pictures.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "section/evenements.h"

namespace rendu {

// List files larger than this are refused.
constexpr qint64 kTailleListeMax = 16LL * 1024 * 1024;

// A French message for standard error, naming the file concerned.
struct Erreur {
    QString message;
};

// "« chemin »", the way messages quote file names.
QString Cite(const QString& chemin);

// Loads the seven textures from `dossier` into t. Fails naming the first
// missing or unreadable file, or when Couche1.bmp is too narrow for a view.
std::optional<Erreur> ChargerBase(const QString& dossier, section::Textures& t);

// Reads a list file ("-": standard input) and splits it into lines. Fails
// when the file cannot be read or exceeds kTailleListeMax.
std::optional<section::Liste> LireFichierListe(const QString& chemin, Erreur& erreur);

// Replays `liste` exactly as "Charger une liste d'événements" does: reset,
// replay, display, availability. The textures must be in a.sec.tex.
void Rejouer(section::Atelier& a, const section::Liste& liste);

// Resets the section, then replays the list line by line as the replay
// does, calling `vue` with the view after the reset (etape 0) and after
// each line i >= 1 (etape i). Stops early when `vue` returns false.
bool PourChaqueEtape(section::Atelier& a, const section::Liste& liste,
                     const std::function<bool(int etape, const section::Raster& vue)>& vue);

// Writes a picture through QSaveFile: PNG when the name ends in ".png"
// (any case), BMP otherwise, or always BMP when `bmpSeulement`.
std::optional<Erreur> EcrireImageSelonNom(const section::Raster& r, const QString& chemin,
                                    bool bmpSeulement = false);
// Writes bytes through QSaveFile.
std::optional<Erreur> EcrireFichier(const QByteArray& octets, const QString& chemin);

// The JSON report of the state after a replay: surface extent, fold
// factors, top of the red band, the list lines and the enabled commands.
QByteArray EtatJson(const section::Atelier& a);

}  // namespace rendu
