// SPDX-License-Identifier: GPL-3.0-or-later
// Files written together, whole or not at all.
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "section/fichiers.h"

namespace section {

namespace {

ErreurFichier ErreurDe(int e) {
    if (e == ENOSPC || e == EDQUOT) return ErreurFichier::DisquePlein;
    if (e == ENOENT || e == ENOTDIR) return ErreurFichier::Introuvable;
    return ErreurFichier::Ecriture;
}

// dossier/nom, built without operator+ (which g++ 12 warns about wrongly).
std::string Joindre(const std::string& dossier, std::string_view nom, std::string_view prefixe = {}) {
    std::string r;
    r.reserve(dossier.size() + 1 + prefixe.size() + nom.size());
    r.append(dossier).append(1, '/').append(prefixe).append(nom);
    return r;
}

}  // namespace

EcritureGroupee::EcritureGroupee(std::string dossier, OptionsEcriture options)
    : dossier_(std::move(dossier)), options_(std::move(options)) {
    if (dossier_.empty()) dossier_.push_back('.');
    std::string modele = Joindre(dossier_, ".strataloom-ecriture-XXXXXX");
    if (::mkdtemp(modele.data())) attente_ = modele;
    else erreur_ = ErreurDe(errno);
}

EcritureGroupee::~EcritureGroupee() {
    if (!termine_) Abandonner();
}

void EcritureGroupee::Abandonner() {
    if (attente_.empty()) return;
    for (const std::string& nom : noms_) {
        ::unlink(Joindre(attente_, nom).c_str());
        ::unlink(Joindre(attente_, nom, ".ancien-").c_str());
    }
    ::rmdir(attente_.c_str());
    attente_.clear();
}

ErreurFichier EcritureGroupee::Ajouter(const std::string& nom, std::string_view octets) {
    if (erreur_ != ErreurFichier::Aucune) return erreur_;
    if (termine_ || nom.empty() || nom.find('/') != std::string::npos || nom.rfind(".ancien-", 0) == 0) {
        fautif_ = nom;
        return erreur_ = ErreurFichier::Ecriture;
    }
    noms_.push_back(nom);
    if (const ErreurFichier e = EcrireFichierSur(Joindre(attente_, nom), octets, options_); e != ErreurFichier::Aucune) {
        fautif_ = nom;
        erreur_ = e;
        Abandonner();
    }
    return erreur_;
}

ErreurFichier EcritureGroupee::Terminer() {
    if (erreur_ != ErreurFichier::Aucune || termine_) return erreur_;
    // Every destination is checked before any is replaced, and an old file
    // is kept aside (a second name for it) until every new one is in place,
    // to be put back if a rename fails.
    std::vector<bool> existait(noms_.size(), false);
    for (std::size_t i = 0; i < noms_.size() && erreur_ == ErreurFichier::Aucune; ++i) {
        struct stat st {};
        const std::string cible = Joindre(dossier_, noms_[i]);
        if (::lstat(cible.c_str(), &st) != 0) continue;
        existait[i] = true;
        if (S_ISLNK(st.st_mode)) erreur_ = ErreurFichier::LienSymbolique;
        else if (!S_ISREG(st.st_mode)) erreur_ = ErreurFichier::PasUnFichier;
        else if (::access(cible.c_str(), W_OK) != 0) erreur_ = ErreurFichier::Ouverture;
        else if (::link(cible.c_str(), Joindre(attente_, noms_[i], ".ancien-").c_str()) != 0) erreur_ = ErreurDe(errno);
        if (erreur_ != ErreurFichier::Aucune) fautif_ = noms_[i];
    }
    std::size_t places = 0;
    for (; places < noms_.size() && erreur_ == ErreurFichier::Aucune; ++places) {
        const std::string& nom = noms_[places];
        const std::string de = Joindre(attente_, nom), vers = Joindre(dossier_, nom);
        const int r = options_.renommer ? options_.renommer(de.c_str(), vers.c_str()) : ::rename(de.c_str(), vers.c_str());
        if (r != 0) {
            erreur_ = ErreurDe(errno);
            fautif_ = nom;
            break;
        }
    }
    if (erreur_ != ErreurFichier::Aucune) {
        for (std::size_t i = 0; i < places; ++i) {
            const std::string cible = Joindre(dossier_, noms_[i]);
            if (existait[i]) ::rename(Joindre(attente_, noms_[i], ".ancien-").c_str(), cible.c_str());
            else ::unlink(cible.c_str());
        }
        Abandonner();
        return erreur_;
    }
    termine_ = true;
    Abandonner();
    return ErreurFichier::Aucune;
}

}  // namespace section
