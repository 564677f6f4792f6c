// SPDX-License-Identifier: GPL-3.0-or-later
// What every command of strataloom-render shares: the textures, reading a
// list file, the session the window uses, writing pictures and files.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "section/fichiers.h"
#include "section/session.h"

namespace rendu {

// A French message for standard error, naming the file concerned.
struct Erreur {
    QString message;
    QString raison;  // the reason alone, for a table's remark (may be empty)
    // Why a file could not be read, when it could not (else Aucune).
    section::ErreurFichier fichier = section::ErreurFichier::Aucune;
};

// "« chemin »", the way messages quote file names.
QString Cite(const QString& chemin);

// Loads the seven textures from `dossier` into the session. Fails naming
// the first missing or unreadable file, or what is wrong with the set.
std::optional<Erreur> ChargerBase(const QString& dossier, section::Session& s);

// Names on standard error each line of the list `nom` that a replay does
// not apply: "plis.lst, ligne 3 ignorée : « Seisme »". Lines count from 1,
// the first line (the "Sédimentation" of the base layer) being line 1; it
// is named only when it holds anything else. The first five are named,
// the others counted in one line: "plis.lst : … et 12 autres lignes ignorées".
void SignalerLignesIgnorees(const QString& nom, const section::Liste& lignes);

// Reads a list file ("-": standard input) and splits it into lines, with
// the window's limits. Fails when it cannot be read or is too big. Names
// the lines that will not be replayed (SignalerLignesIgnorees).
std::optional<section::Liste> LireFichierListe(const QString& chemin, Erreur& erreur);

// Writes a picture: PNG when the name ends in ".png" (any case), BMP
// otherwise, or always BMP when `bmpSeulement`.
std::optional<Erreur> EcrireImageSelonNom(const section::Raster& r, const QString& chemin,
                                          bool bmpSeulement = false);
// Writes bytes. Both write safely (an existing file is replaced only by a
// complete new one) and straight to a device or a pipe named on purpose.
std::optional<Erreur> EcrireFichier(const QByteArray& octets, const QString& chemin);
std::optional<Erreur> EcrireFichier(std::string_view octets, const QString& chemin);

// The message of a failed write of `chemin`.
Erreur ErreurEcriture(const QString& chemin, section::ErreurFichier e);

// The JSON report of the session's state.
QByteArray EtatJson(const section::Session& s);

}  // namespace rendu
