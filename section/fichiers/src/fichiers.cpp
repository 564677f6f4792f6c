// SPDX-License-Identifier: GPL-3.0-or-later
// Bounded reads of regular files and writes that never lose the old file.
#include "section/fichiers.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>

#include "section/textes.h"
#include "section/liste.h"

namespace section {

namespace {

ErreurFichier ErreurOuverture(int e) {
    return e == ENOENT || e == ENOTDIR ? ErreurFichier::Introuvable : ErreurFichier::Ouverture;
}

// Opens a regular file for reading without ever blocking (a FIFO opened for
// reading would wait for a writer).
ErreurFichier OuvrirOrdinaire(const std::string& chemin, int& fd) {
    fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return ErreurOuverture(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        fd = -1;
        return ErreurFichier::PasUnFichier;
    }
    return ErreurFichier::Aucune;
}

// Appends to `octets` until the end of the file or until it holds more than
// `max` bytes.
ErreurFichier LireJusque(int fd, std::size_t max, std::string& octets) {
    char tampon[64 * 1024];
    while (octets.size() <= max) {
        const std::size_t voulu = std::min(sizeof tampon, max + 1 - octets.size());
        const ssize_t n = ::read(fd, tampon, voulu);
        if (n < 0) {
            if (errno == EINTR) continue;
            return ErreurFichier::Lecture;
        }
        if (n == 0) return ErreurFichier::Aucune;
        octets.append(tampon, static_cast<std::size_t>(n));
    }
    return ErreurFichier::TropGros;
}

struct Descripteur {
    int fd = -1;
    ~Descripteur() {
        if (fd >= 0) ::close(fd);
    }
};

// A picture file's header, from its first bytes; `octets` keeps them.
constexpr std::size_t kOctetsEntete = 64 * 1024;

ErreurFichier LireEntete(int fd, std::string& octets, EnteteBmp& entete) {
    octets.clear();
    const ErreurFichier e = LireJusque(fd, kOctetsEntete - 1, octets);
    if (e == ErreurFichier::Lecture) return e;
    const std::optional<EnteteBmp> lu = AnalyserEnteteBmp(octets);
    if (!lu) return ErreurFichier::Format;
    entete = *lu;
    return ErreurFichier::Aucune;
}

// The rest of a picture whose header is read, never more than it can use,
// checked whole (rows inside the file) but not yet decoded.
ErreurFichier LireReste(int fd, std::string& octets, const EnteteBmp& entete, std::int64_t pixelsMax) {
    if (entete.Pixels() > pixelsMax) return ErreurFichier::TropGrand;
    const auto utiles = static_cast<std::size_t>(OctetsUtilesBmp(entete));
    if (octets.size() < utiles) {
        const ErreurFichier e = LireJusque(fd, utiles, octets);
        if (e == ErreurFichier::Lecture) return e;
    }
    return LireEnteteBmp(octets) ? ErreurFichier::Aucune : ErreurFichier::Format;
}

ErreurFichier Decoder(const std::string& octets, std::int64_t pixelsMax, Raster& image) {
    std::optional<Raster> r = LireBmp(octets, pixelsMax);
    if (!r) return ErreurFichier::Format;
    image = std::move(*r);
    return ErreurFichier::Aucune;
}

}  // namespace

std::string RaisonErreur(ErreurFichier e) {
    switch (e) {
    case ErreurFichier::Aucune: return Texte("Fichiers", "aucune erreur");
    case ErreurFichier::Introuvable: return Texte("Fichiers", "le fichier ou son dossier n'existe pas");
    case ErreurFichier::Ouverture: return Texte("Fichiers", "le fichier ne peut pas être ouvert");
    case ErreurFichier::PasUnFichier: return Texte("Fichiers", "ce n'est pas un fichier ordinaire");
    case ErreurFichier::Lecture: return Texte("Fichiers", "la lecture a échoué");
    case ErreurFichier::TropGros: return Texte("Fichiers", "le fichier est trop gros");
    case ErreurFichier::TropDeLignes: return Texte("Fichiers", "la liste compte plus de 10 000 lignes");
    case ErreurFichier::Format: return Texte("Fichiers", "ce n'est pas une image BMP lisible");
    case ErreurFichier::TropGrand: return Texte("Fichiers", "les images sont trop grandes");
    case ErreurFichier::TropEtroite: return Texte("Fichiers", "Couche1.bmp doit faire plus de 100 pixels de large");
    case ErreurFichier::Ecriture: return Texte("Fichiers", "l'écriture a échoué");
    case ErreurFichier::DisquePlein: return Texte("Fichiers", "le disque est plein");
    case ErreurFichier::LienSymbolique:
        return Texte("Fichiers", "c'est un lien symbolique : choisissez un autre nom");
    }
    return Texte("Fichiers", "erreur inconnue");
}

std::string MessageLienSymbolique(std::string_view nom) {
    //: %1 is the name of the file the person chose.
    return Remplir(Texte("Fichiers", "« %1 » est un lien symbolique : choisissez un autre nom"), {nom});
}

ErreurFichier LireDescripteur(int fd, std::size_t max, std::string& octets) {
    octets.clear();
    return LireJusque(fd, max, octets);
}

ErreurFichier LireFichier(const std::string& chemin, std::size_t max, std::string& octets) {
    Descripteur d;
    if (const ErreurFichier e = OuvrirOrdinaire(chemin, d.fd); e != ErreurFichier::Aucune) return e;
    return LireDescripteur(d.fd, max, octets);
}

ErreurFichier LignesDeListe(std::string_view octets, Liste& lignes) {
    // Count the lines before building any: sixteen megabytes of line
    // breaks must not become sixteen million strings.
    const std::size_t nul = octets.find('\0');
    const std::string_view texte = nul == std::string_view::npos ? octets : octets.substr(0, nul);
    std::size_t n = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '\r' || texte[i] == '\n') {
            ++n;
            if (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
        } else if (i + 1 == texte.size()) {
            ++n;
        }
        if (n > kLignesListeMax) return ErreurFichier::TropDeLignes;
    }
    lignes = LireListe(texte);
    return ErreurFichier::Aucune;
}

ErreurFichier LireFichierListe(const std::string& chemin, Liste& lignes) {
    std::string octets;
    if (const ErreurFichier e = LireFichier(chemin, kOctetsListeMax, octets); e != ErreurFichier::Aucune) return e;
    return LignesDeListe(octets, lignes);
}

ErreurFichier LireFichierBmp(const std::string& chemin, Raster& image) {
    Descripteur d;
    if (const ErreurFichier e = OuvrirOrdinaire(chemin, d.fd); e != ErreurFichier::Aucune) return e;
    std::string octets;
    EnteteBmp entete;
    ErreurFichier e = LireEntete(d.fd, octets, entete);
    if (e == ErreurFichier::Aucune) e = LireReste(d.fd, octets, entete, kBudgetPixels);
    if (e == ErreurFichier::Aucune) e = Decoder(octets, kBudgetPixels, image);
    return e;
}

ErreurFichier ChargerTextures(const std::string& dossier, Textures& t, int& fautif) {
    // Every file read and its header checked first, each within the pixel
    // budget and all of them so far within it together, before the rest of
    // its bytes is read; then the set's sizes together; only then is any
    // decoded.
    std::array<std::string, 7> octets;
    std::array<EnteteBmp, 7> entetes;
    std::int64_t pixels = 0;
    for (int i = 0; i < 7; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Descripteur d;
        ErreurFichier e = OuvrirOrdinaire(dossier + "/" + kFichiersTextures[i], d.fd);
        if (e == ErreurFichier::Aucune) e = LireEntete(d.fd, octets[k], entetes[k]);
        if (e == ErreurFichier::Aucune && entetes[k].Pixels() <= kBudgetPixels) {
            // Six pictures at the budget each, and a seventh missing, must
            // not make six decoded pictures: the set is refused as it goes.
            pixels += entetes[k].Pixels();
            if (pixels > kBudgetPixels) {
                fautif = -1;
                return ErreurFichier::TropGrand;
            }
        }
        if (e == ErreurFichier::Aucune) e = LireReste(d.fd, octets[k], entetes[k], kBudgetPixels);
        if (e != ErreurFichier::Aucune) {
            // The pictures before a faulty one still load; together they
            // are within the budget.
            for (int j = 0; j < i; ++j) {
                const auto m = static_cast<std::size_t>(j);
                (void)Decoder(octets[m], kBudgetPixels, TextureNumero(t, j));
            }
            fautif = i;
            return e;
        }
    }
    if (const std::optional<DefautTextures> defaut = VerifierEntetes(entetes)) {
        fautif = -1;
        if (*defaut == DefautTextures::TropEtroite) {
            fautif = 0;
            return ErreurFichier::TropEtroite;
        }
        return *defaut == DefautTextures::TropGrande ? ErreurFichier::TropGrand : ErreurFichier::Format;
    }
    for (int i = 0; i < 7; ++i) {
        if (const ErreurFichier e = Decoder(octets[static_cast<std::size_t>(i)], kBudgetPixels, TextureNumero(t, i));
            e != ErreurFichier::Aucune) {
            fautif = i;
            return e;
        }
    }
    fautif = -1;
    return ErreurFichier::Aucune;
}

namespace {

ErreurFichier ErreurEcriture(int e) {
    return e == ENOSPC || e == EDQUOT ? ErreurFichier::DisquePlein : ErreurFichier::Ecriture;
}

// Every byte, whatever the system takes at a time.
ErreurFichier ToutEcrire(int fd, std::string_view octets, const OptionsEcriture& o) {
    std::size_t fait = 0;
    while (fait < octets.size()) {
        const std::size_t reste = octets.size() - fait;
        const ssize_t n = o.ecrire ? o.ecrire(fd, octets.data() + fait, reste)
                                   : ::write(fd, octets.data() + fait, reste);
        if (n < 0) {
            if (errno == EINTR) continue;
            return ErreurEcriture(errno);
        }
        if (n == 0) return ErreurFichier::Ecriture;
        fait += static_cast<std::size_t>(n);
    }
    return ErreurFichier::Aucune;
}

std::string DossierDe(const std::string& chemin) {
    const std::size_t fin = chemin.find_last_of('/');
    if (fin == std::string::npos) return ".";
    return fin == 0 ? "/" : chemin.substr(0, fin);
}

// The descriptor a stream a command writes to by name stands for
// (/dev/stdout, /dev/fd/3...), or -1. Such a stream is written on that
// descriptor, where it stands: opened again by its name, a standard output
// sent to a file (">>", or after other output) would be written over from
// its first byte.
int DescripteurDuFlux(const std::string& chemin) {
    if (chemin == "/dev/stdout") return STDOUT_FILENO;
    if (chemin == "/dev/stderr") return STDERR_FILENO;
    for (const std::string_view prefixe : {std::string_view("/dev/fd/"), std::string_view("/proc/self/fd/")}) {
        if (chemin.size() <= prefixe.size() || chemin.size() > prefixe.size() + 6 ||
            chemin.compare(0, prefixe.size(), prefixe) != 0)
            continue;
        int fd = 0;
        for (std::size_t i = prefixe.size(); i < chemin.size(); ++i) {
            if (chemin[i] < '0' || chemin[i] > '9') return -1;
            fd = fd * 10 + (chemin[i] - '0');
        }
        return fd;
    }
    return -1;
}

ErreurFichier EcrireSurFlux(int fd, std::string_view octets, const OptionsEcriture& o) {
    if (::fcntl(fd, F_GETFL) == -1) return ErreurFichier::Ouverture;  // not open
    // What the program already printed goes first.
    if (fd == STDOUT_FILENO) std::fflush(stdout);
    if (fd == STDERR_FILENO) std::fflush(stderr);
    return ToutEcrire(fd, octets, o);
}

ErreurFichier EcrireDirectement(const std::string& chemin, std::string_view octets, const OptionsEcriture& o) {
    const int fd = ::open(chemin.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
    if (fd < 0) return ErreurOuverture(errno);
    ErreurFichier e = ToutEcrire(fd, octets, o);
    if (::close(fd) != 0 && e == ErreurFichier::Aucune) e = ErreurEcriture(errno);
    return e;
}

mode_t ModeParDefaut() {
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

}  // namespace

ErreurFichier EcrireFichierSur(const std::string& chemin, std::string_view octets, const OptionsEcriture& o) {
    if (chemin.empty()) return ErreurFichier::Introuvable;
    if (o.directSurSpecial) {
        if (const int flux = DescripteurDuFlux(chemin); flux >= 0) return EcrireSurFlux(flux, octets, o);
    }
    struct stat st {};
    const bool existe = ::lstat(chemin.c_str(), &st) == 0;
    if (existe && S_ISLNK(st.st_mode)) return ErreurFichier::LienSymbolique;
    if (existe && !S_ISREG(st.st_mode)) {
        // A device, a pipe, a folder: never renamed over.
        if (o.directSurSpecial && (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)))
            return EcrireDirectement(chemin, octets, o);
        return ErreurFichier::PasUnFichier;
    }
    if (existe && ::access(chemin.c_str(), W_OK) != 0) return ErreurFichier::Ouverture;

    // The new bytes go to a temporary file beside the target, renamed over
    // it once every byte is on the disk.
    // rename() replaces the name itself: a link made there meanwhile is
    // replaced, never followed.
    const std::size_t barre = chemin.find_last_of('/');
    std::string temporaire = DossierDe(chemin) + "/." +
                             (barre == std::string::npos ? chemin : chemin.substr(barre + 1)) + ".XXXXXX";
    const int fd = ::mkostemp(temporaire.data(), O_CLOEXEC);
    // No room left for one more file (its inode) is a full disk too.
    if (fd < 0) return errno == ENOSPC || errno == EDQUOT ? ErreurFichier::DisquePlein : ErreurOuverture(errno);
    ErreurFichier e = ErreurFichier::Aucune;
    // The owner first: changing it clears the set-user and set-group bits
    // that the mode then gives back.
    if (existe && ::geteuid() == 0) (void)!::fchown(fd, st.st_uid, st.st_gid);
    if (::fchmod(fd, existe ? st.st_mode & 07777 : ModeParDefaut()) != 0) e = ErreurEcriture(errno);
    if (e == ErreurFichier::Aucune) e = ToutEcrire(fd, octets, o);
    if (e == ErreurFichier::Aucune && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        e = ErreurEcriture(errno);
    if (::close(fd) != 0 && e == ErreurFichier::Aucune) e = ErreurEcriture(errno);
    if (e == ErreurFichier::Aucune && ::rename(temporaire.c_str(), chemin.c_str()) != 0) e = ErreurEcriture(errno);
    if (e != ErreurFichier::Aucune) ::unlink(temporaire.c_str());
    return e;
}

bool CheminOccupe(const std::string& chemin) {
    struct stat st {};
    return ::lstat(chemin.c_str(), &st) == 0;
}

std::uint32_t Crc32(std::string_view octets) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char o : octets) c = table[(c ^ o) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

}  // namespace section
