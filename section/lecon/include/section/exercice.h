// SPDX-License-Identifier: GPL-3.0-or-later
// The two files of an exercise: the one a teacher hands out (the target
// picture and the events that built it) and the one a pupil hands back
// (a name, the exercise answered and the pupil's events).
//
// Both are binary, little-endian, and end with a CRC-32 (the polynomial of
// zip and PNG, 0xEDB88320 reflected) of every byte before it. A reader
// checks the magic, the version, every size against its limit and the
// total length before it looks at any content, then the CRC, then the
// content; a file longer or shorter by one byte is refused.
//
// Exercise file (.exo), version 2 (written) and version 1 (still read):
//   offset  size  field
//        0     8  magic "SLEXERC" then 0x1A
//        8     2  version, 2 (or 1)
//       10     2  0 (reserved)
//       12     4  width of the target picture, 1 .. 4096
//       16     4  height of the target picture, 1 .. 4096 (at most 4 Mi pixels)
//       20     4  t, bytes of the title, 0 .. kTitreMax (UTF-8, no control character)
//       24     4  n, bytes of the events, 1 .. kOctetsEvenementsMax
//       28     8  the exercise's fingerprint (EmpreinteExercice)
//       36     4  version 2 only: the letter seed (GraineLettres), any value;
//                 it is not part of the fingerprint. Let H be 40 in
//                 version 2, 36 in version 1.
//        H     t  the title
//    H + t     n  the events: the list file's bytes (TexteListe, CR LF after
//                 each line, first line "Sédimentation") mixed with a key
//                 stream drawn from the fingerprint, so that the answer does
//                 not show in a text editor. It hides; it does not protect.
//                 At most kLignesListeMax lines.
//   H+t+n  3wh    the target picture, rows from the top, each pixel R G B
//   end - 4    4  CRC-32
// The fingerprint must match the events and the picture read. A version 1
// file takes its letter seed from the low 32 bits of its fingerprint.
//
// Answer file (.rep), version 3 when it records how many times the pupil
// checked (the window and the page always do), else version 2 when the
// pupil ordered the events in "Ordonner", else version 1 (all three read).
// Version 3 is version 2's layout with k from 0 (no order; the mark then 0)
// and two more fields, H = 36:
//       32     2  checks of the section ("Vérifier ma coupe"), 0 .. 65535
//       34     2  checks of the order ("Vérifier" in "Ordonner"), 0 .. 65535
// Versions 1 and 2:
//        0     8  magic "SLREPON" then 0x1A
//        8     2  version, 1 or 2
//       10     2  0 (reserved)
//       12     8  fingerprint of the exercise answered
//       20     4  p, bytes of the pupil's name, 1 .. kNomEleveMax (UTF-8, no
//                 control character, not only spaces)
//       24     4  n, bytes of the events, 0 .. kOctetsEvenementsMax
//       28     2  version 2 only: k, cards in the order given, 1 .. kCartesMax
//       30     2  version 2 only: the order's mark the pupil was shown, 0 .. 20
//                 Let H be 32 in version 2, 28 in version 1.
//        H     p  the name
//    H + p     n  the events, plain list-file bytes (an empty answer is 0 bytes)
//  H+p+n      6k  version 2 only: the cards in the pupil's order, each as
//                 three 2-byte fields: the card (the list index of the
//                 exercise's event, 1 .. kCartesMax, each once), the principle
//                 named (0 none, 1 superposition, 2 recoupement, 3 continuité,
//                 4 inclusion, 5 discordance) and the formation named (a list
//                 index of the exercise, 0 .. kCartesMax, or 0xFFFF for none)
//   end - 4    4  CRC-32
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "section/evenements.h"
#include "section/fichiers.h"
#include "section/justification.h"
#include "section/noms.h"

namespace section {

constexpr std::size_t kTitreMax = 200;
constexpr std::size_t kOctetsEvenementsMax = 256u * 1024;
// The most events an exercise, an answer key or a replayed answer holds,
// for every front end: an answer graded takes a fraction of a second and a
// class of them a few seconds. An answer with more is read but not
// replayed (its row says so); an exercise or a key with more is refused.
constexpr std::size_t kEvenementsNotesMax = 300;
// "la liste compte plus de 300 événements": the reason an exercise or a key
// over kEvenementsNotesMax is refused.
std::string RaisonTropDEvenements();
// Whether a list (its first line the initial one) holds more events than
// kEvenementsNotesMax.
bool TropLonguePourNoter(const Liste& lignes);
constexpr int kCoteCibleMax = 4096;
constexpr std::int64_t kPixelsCibleMax = 4LL * 1024 * 1024;
// No well-formed file of either kind is larger.
constexpr std::size_t kOctetsExerciceMax = 44 + kTitreMax + kOctetsEvenementsMax +
                                           3 * static_cast<std::size_t>(kPixelsCibleMax);

struct Exercice {
    std::string titre;  // UTF-8, may be empty
    Liste lignes;       // the events that built the target, as a list
    Raster cible;       // the target picture: the view the list gives
    // Shuffles the letters of the formations (see LettresFormations): the
    // window, the sheets and the page show the same letters for it.
    std::uint32_t graineLettres = 0;
};

// The most cards an order in an answer file holds.
constexpr std::size_t kCartesMax = 4096;

// The order a pupil gave in "Ordonner les événements": the cards (list
// indexes of the exercise's events) from the oldest, the justification of
// each (the first card's is never read) and the order's mark shown.
struct OrdreDonne {
    std::vector<int> cartes;
    std::vector<Justification> justifications;  // as many as cartes
    int note = 0;                               // 0 .. kNoteMax
    bool operator==(const OrdreDonne&) const = default;
};

// How many times the pupil checked the section and the order, counted by
// the window and the page and kept with the work (at most kVerificationsMax
// each: a count is held there, never wrapped).
constexpr int kVerificationsMax = 65535;
struct Verifications {
    int coupe = 0;
    int ordre = 0;
    bool operator==(const Verifications&) const = default;
};

struct Reponse {
    std::string eleve;           // UTF-8
    std::uint64_t exercice = 0;  // fingerprint of the exercise answered
    Liste lignes;                // the pupil's events, as a list
    std::optional<OrdreDonne> ordre;  // none when the pupil did not order the events
    std::optional<Verifications> verifications;  // none in files of versions 1 and 2
};

// What identifies an exercise: a 64-bit FNV-1a hash of its list-file bytes,
// its picture's size and its pixels. Equal lists with equal pictures give
// equal fingerprints, whatever the title.
std::uint64_t EmpreinteExercice(const Exercice& e);
// Mixes (or, applied again, unmixes) an exercise file's event bytes with
// the key stream drawn from its fingerprint.
void MelangerEvenements(std::string& octets, std::uint64_t empreinte);
// The fingerprint as 16 lowercase hexadecimal digits.
std::string TexteEmpreinte(std::uint64_t empreinte);

// The file bytes. The exercise must have 1 .. kLignesListeMax lines, a
// title and a picture within the limits above; the answer a name within
// its limits. Both are checked by the readers, not here: write what
// VerifierExercice / VerifierReponse accept.
std::string TexteExercice(const Exercice& e);
std::string TexteReponse(const Reponse& r);

// Why an exercise or an answer cannot be written, in the current language
// (see textes.h), French without a translator; empty when it can ("le titre
// dépasse 200 octets", "le nom de l'élève est vide"...).
std::string VerifierExercice(const Exercice& e);
std::string VerifierReponse(const Reponse& r);

// Reads file bytes. Returns the reason of a refusal, in the current
// language ("ce n'est pas un fichier d'exercice", "le fichier est tronqué",
// "le fichier est abîmé (la somme de contrôle ne correspond pas)"...), or an
// empty string when `e` was filled.
std::string LireExercice(std::string_view octets, Exercice& e);
std::string LireReponse(std::string_view octets, Reponse& r);

// Whether bytes begin as one of the two files do (their magic).
bool EstUnExercice(std::string_view octets);
bool EstUneReponse(std::string_view octets);

// The same through the file layer, at most kOctetsExerciceMax bytes read.
std::string LireFichierExercice(const std::string& chemin, Exercice& e);
std::string LireFichierReponse(const std::string& chemin, Reponse& r);
// Checks, then writes safely (EcrireFichierSur); the reason of a refusal
// or of a failed write, or an empty string.
std::string EcrireFichierExercice(const std::string& chemin, const Exercice& e,
                                  const OptionsEcriture& options = {});
std::string EcrireFichierReponse(const std::string& chemin, const Reponse& r,
                                 const OptionsEcriture& options = {});

}  // namespace section
