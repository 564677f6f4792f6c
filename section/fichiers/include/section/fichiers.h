// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer: bounded reads of regular files, list files, the texture
// set and safe writes. Paths are byte strings, passed to the system as they
// are, whatever their encoding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <sys/types.h>

#include "section/evenements.h"
#include "section/textures.h"

namespace section {

enum class ErreurFichier {
    Aucune,
    Introuvable,    // no such file, or a folder on the way is missing
    Ouverture,      // exists but cannot be opened (rights, ...)
    PasUnFichier,   // a folder, a device, a pipe...: not a regular file
    Lecture,        // a read failed
    TropGros,       // more bytes than the limit
    TropDeLignes,   // a list over kLignesListeMax lines
    Format,         // not what was expected (a picture that is not a BMP...)
    TropGrand,      // a picture over the pixel budget
    TropEtroite,    // a Couche1.bmp no wider than the hidden margin
    Ecriture,       // a write, the flush or the final rename failed
    DisquePlein,    // ... because the disk is full
    LienSymbolique, // a write to a name that is a symbolic link, dangling or not
};

// The reason, for messages ("le disque est plein"), in the current language
// (see textes.h): French without a translator.
std::string RaisonErreur(ErreurFichier e);
// What a write refused with LienSymbolique tells the person who chose the
// name: "« nom » est un lien symbolique : choisissez un autre nom".
std::string MessageLienSymbolique(std::string_view nom);

// Reads a regular file whole, at most `max` bytes: a bigger one is
// TropGros, found without reading past max + 1 bytes. Anything that is not
// a regular file (a FIFO, a device, a folder) is refused before any read,
// and opening never blocks.
ErreurFichier LireFichier(const std::string& chemin, std::size_t max, std::string& octets);
// The same on an open descriptor (standard input), which may be a pipe.
ErreurFichier LireDescripteur(int fd, std::size_t max, std::string& octets);

// List files are a few bytes per event; these bounds keep a wrong file from
// filling the memory or replaying for hours.
constexpr std::size_t kOctetsListeMax = 16u * 1024 * 1024;
constexpr std::size_t kLignesListeMax = 10000;

// The lines of a list's bytes, within kLignesListeMax.
ErreurFichier LignesDeListe(std::string_view octets, Liste& lignes);
ErreurFichier LireFichierListe(const std::string& chemin, Liste& lignes);

// Reads a BMP picture, its header checked against kBudgetPixels first.
ErreurFichier LireFichierBmp(const std::string& chemin, Raster& image);

// Loads the seven textures of `dossier` in their order, checking every
// header against the set's rules before decoding any. On failure `fautif`
// is the index of the first file at fault (0..6), or -1 when the fault is
// the set's as a whole (TropGrand); holders before a faulty file keep
// their pictures.
ErreurFichier ChargerTextures(const std::string& dossier, Textures& t, int& fautif);

// How a write reaches the disk; tests replace `ecrire` to fail on purpose.
struct OptionsEcriture {
    // An existing file that is not a regular file (a character device, a
    // pipe) is written to directly when true, refused with PasUnFichier
    // when false. It is never replaced. When true, /dev/stdout, /dev/stderr,
    // /dev/fd/N and /proc/self/fd/N are written on that open descriptor,
    // where it stands, whatever it leads to.
    bool directSurSpecial = false;
    std::function<ssize_t(int fd, const void* octets, std::size_t n)> ecrire;
    // Renames a new file of an EcritureGroupee into place (::rename when
    // empty); returns 0 or -1 with errno set, as ::rename does.
    std::function<int(const char* de, const char* vers)> renommer;
};

// Whether `chemin` names anything at all: a file, a folder, a device, or a
// symbolic link, even one that leads nowhere. A series refuses to write
// over any of them.
bool CheminOccupe(const std::string& chemin);

// Writes `octets` to `chemin` so that the old file, if any, is replaced
// only by a complete new one: a temporary file beside it gets every byte,
// checked, and is flushed to disk before it is renamed over the old one.
// On any failure the old file stays byte for byte and no temporary file
// remains. A replaced file keeps its permissions. A name that is a symbolic
// link, dangling or not, is refused (LienSymbolique) and left as it is: a
// link someone else put in a shared folder must not choose which of the
// writer's files is replaced, or created. The folders on the way may be
// links; only the last name is checked. The standard streams written where
// they stand (directSurSpecial) are not files and are not concerned.
ErreurFichier EcrireFichierSur(const std::string& chemin, std::string_view octets,
                               const OptionsEcriture& options = {});

// Files written together into one folder, whole or not at all (a series of
// exercises and its sheet): each is first written, safely, into a hidden
// folder made inside the destination; Terminer() then checks every
// destination name (no link, nothing that is not a regular file) and
// renames the new files into place. If any step fails, none of the new
// files remains, every old file is as it was (one already replaced is put
// back) and the hidden folder is removed, as it is when the object is
// destroyed before Terminer() succeeded.
class EcritureGroupee {
public:
    explicit EcritureGroupee(std::string dossier, OptionsEcriture options = {});
    ~EcritureGroupee();
    EcritureGroupee(const EcritureGroupee&) = delete;
    EcritureGroupee& operator=(const EcritureGroupee&) = delete;

    // `nom` is a bare file name (no '/'), given once.
    ErreurFichier Ajouter(const std::string& nom, std::string_view octets);
    ErreurFichier Terminer();
    // The name of the file at fault after a failure (empty when the hidden
    // folder itself could not be made).
    const std::string& Fautif() const { return fautif_; }

private:
    void Abandonner();

    std::string dossier_;
    OptionsEcriture options_;
    std::string attente_;  // the hidden folder, empty until made
    std::vector<std::string> noms_;
    std::string fautif_;
    ErreurFichier erreur_ = ErreurFichier::Aucune;
    bool termine_ = false;
};

// CRC-32 of bytes, as exercise and answer files, the platform's kept
// text and zip archives check them.
std::uint32_t Crc32(std::string_view octets);

}  // namespace section
