// SPDX-License-Identifier: GPL-3.0-or-later
// strataloom-data: writes the program's data files. The build runs it to
// fill the Base folder beside the program and the icons folder; benchmarks
// and tests run it for textures made for bigger sections.
//
//   strataloom-data [--base-size W H] [--base DIR] [--textures DIR]
//                   [--sons DIR] [--icones DIR]
//
//   --base DIR        the seven textures and the seven sounds into DIR
//   --textures DIR    the seven textures only
//   --sons DIR        the seven sounds only
//   --icones DIR      the program icon (strataloom-N.png, N = 16 ... 256)
//                     and the about box's logo (logo.png)
//   --base-size W H   make the textures for a W x H section (default
//                     640 600): Couche1 and Couche3 W wide, Couche3 H high
//   --help            this text
//
// Folders are created when missing; files already there are replaced and
// nothing else in the folder is touched. The output depends on nothing but
// the arguments. Exit status: 0 done, 1 a file could not be written, 2 bad
// command line.
#include "icones.h"
#include "sons.h"
#include "textures.h"

#include <QDir>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace donnees;

const char* const kAide =
    "Usage: strataloom-data [--base-size W H] [--base DIR] [--textures DIR]\n"
    "                       [--sons DIR] [--icones DIR]\n"
    "Writes the data files of Strataloom.\n"
    "  --base DIR        the seven textures and the seven sounds into DIR\n"
    "  --textures DIR    the seven textures only (Couche1.bmp ... Coulee0.bmp)\n"
    "  --sons DIR        the seven sounds only (Sedime.Wav ... Casse.Wav)\n"
    "  --icones DIR      the program icon (strataloom-16.png ... strataloom-256.png)\n"
    "                    and the about box's logo (logo.png)\n"
    "  --base-size W H   make the textures for a W x H section (default 640 600;\n"
    "                    W from 120 to 8000, H from 60 to 8000)\n"
    "  --help            show this text\n"
    "Folders are created when missing; existing files are replaced.\n";

struct Demande {
    TailleSection taille;
    QString textures, sons, icones;
};

bool Entier(const char* texte, int& valeur) {
    char* fin = nullptr;
    const long v = std::strtol(texte, &fin, 10);
    if (fin == texte || *fin != 0 || v < 0 || v > 100000) return false;
    valeur = static_cast<int>(v);
    return true;
}

// Returns 0 to go on, or the exit status.
int Analyser(int argc, char** argv, Demande& d) {
    if (argc < 2) {
        std::fputs(kAide, stderr);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const int reste = argc - 1 - i;
        if (option == "--help" || option == "-h") {
            std::fputs(kAide, stdout);
            return -1;
        }
        if (option == "--base-size" && reste >= 2) {
            if (!Entier(argv[i + 1], d.taille.largeur) || !Entier(argv[i + 2], d.taille.hauteur) ||
                !TailleValide(d.taille)) {
                std::fprintf(stderr, "strataloom-data: bad section size %s %s\n", argv[i + 1],
                             argv[i + 2]);
                return 2;
            }
            i += 2;
        } else if (reste >= 1 && (option == "--base" || option == "--textures" ||
                                  option == "--sons" || option == "--icones")) {
            const QString dossier = QString::fromLocal8Bit(argv[++i]);
            if (option == "--base" || option == "--textures") d.textures = dossier;
            if (option == "--base" || option == "--sons") d.sons = dossier;
            if (option == "--icones") d.icones = dossier;
        } else {
            std::fprintf(stderr, "strataloom-data: unknown or incomplete option %s\n%s", argv[i],
                         kAide);
            return 2;
        }
    }
    return 0;
}

bool Preparer(const QString& dossier) {
    if (QDir().mkpath(dossier)) return true;
    std::fprintf(stderr, "strataloom-data: cannot create folder %s\n", qPrintable(dossier));
    return false;
}

// Every file goes through QSaveFile: a failed run leaves no half-written file.
template <typename Ecriture>
bool Enregistrer(const QString& dossier, const QString& nom, Ecriture&& ecrire) {
    QSaveFile fichier(QDir(dossier).filePath(nom));
    if (fichier.open(QIODevice::WriteOnly) && ecrire(fichier) && fichier.commit()) return true;
    std::fprintf(stderr, "strataloom-data: cannot write %s\n", qPrintable(fichier.fileName()));
    return false;
}

bool EcrireTextures(const QString& dossier, TailleSection taille) {
    if (!Preparer(dossier)) return false;
    for (const Texture& t : FabriquerTextures(taille))
        if (!Enregistrer(dossier, t.nom, [&](QSaveFile& f) { return t.image.save(&f, "BMP"); }))
            return false;
    return true;
}

bool EcrireSons(const QString& dossier) {
    if (!Preparer(dossier)) return false;
    for (const Son& s : FabriquerSons()) {
        const QByteArray octets = FichierWav(s.echantillons, FrequenceSons);
        if (!Enregistrer(dossier, s.nom,
                         [&](QSaveFile& f) { return f.write(octets) == octets.size(); }))
            return false;
    }
    return true;
}

bool EcrireIcones(const QString& dossier) {
    if (!Preparer(dossier)) return false;
    for (const Image& i : FabriquerIcones())
        if (!Enregistrer(dossier, i.nom, [&](QSaveFile& f) { return i.image.save(&f, "PNG"); }))
            return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Demande d;
    if (const int etat = Analyser(argc, argv, d); etat != 0) return etat < 0 ? 0 : etat;
    if (d.textures.isEmpty() && d.sons.isEmpty() && d.icones.isEmpty()) {
        std::fputs(
            "strataloom-data: nothing to write (give --base, --textures, --sons or --icones)\n",
            stderr);
        return 2;
    }
    bool ok = true;
    if (!d.textures.isEmpty()) ok = EcrireTextures(d.textures, d.taille) && ok;
    if (!d.sons.isEmpty()) ok = EcrireSons(d.sons) && ok;
    if (!d.icones.isEmpty()) ok = EcrireIcones(d.icones) && ok;
    return ok ? 0 : 1;
}
