// SPDX-License-Identifier: GPL-3.0-or-later
// Services that record what the window asks of them and answer from a
// script, so the window runs in tests without any dialog or sound.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "services.h"

// File dialogs: each call takes the next scripted answer (a full name, or
// nothing for a cancel) and records its request.
class FauxFichiers : public ServiceFichiers {
public:
    std::optional<QString> Ouvrir(const DemandeFichier& d) override;
    std::optional<QString> Enregistrer(const DemandeFichier& d) override;
    std::optional<QString> ChoisirDossier(const DemandeFichier& d) override;

    void Repondre(const QString& nom) { reponses.emplace_back(nom); }
    void Annuler() { reponses.emplace_back(std::nullopt); }

    std::deque<std::optional<QString>> reponses;
    std::vector<DemandeFichier> ouvertures;
    std::vector<DemandeFichier> enregistrements;
    std::vector<DemandeFichier> dossiers;
    int sansReponse = 0;  // calls that found no scripted answer

private:
    std::optional<QString> Suivante();
};

class FauxMessages : public ServiceMessages {
public:
    enum class Genre { Erreur, Information, Simple };
    struct Message {
        Genre genre;
        QString texte;
        bool curseurOccupe;  // a busy cursor was up when the box opened
    };
    void Erreur(const QString& t) override { Noter(Genre::Erreur, t); }
    void Information(const QString& t) override { Noter(Genre::Information, t); }
    void Simple(const QString& t) override { Noter(Genre::Simple, t); }

    int Nombre(Genre g, const QString& texte) const;
    std::vector<Message> messages;

private:
    void Noter(Genre g, const QString& t);
};

// "Fermer" and "Jouer <path>" in call order.
class FauxSon : public ServiceSon {
public:
    void Fermer() override { appels << QStringLiteral("Fermer"); }
    bool Jouer(const QString& chemin) override {
        appels << QStringLiteral("Jouer ") + chemin;
        return reussit;
    }
    QStringList appels;
    bool reussit = true;
};

class FauxAide : public ServiceAide {
public:
    struct Appel {
        QString fichier;
        int contexte;
    };
    void Montrer(const QString& fichier, int contexte) override {
        appels.push_back({fichier, contexte});
    }
    std::vector<Appel> appels;
};

// Questions: each takes the next scripted answer and records its text; with
// none scripted, "Non": the command goes on as if nothing had been asked,
// and the call is counted.
class FauxQuestions : public ServiceQuestions {
public:
    Reponse OuiNonAnnuler(const QString& texte) override {
        questions << texte;
        if (reponses.empty()) {
            ++sansReponse;
            return Reponse::Non;
        }
        const Reponse r = reponses.front();
        reponses.pop_front();
        return r;
    }
    std::optional<QString> Demander(const QString& question, const QString& defaut) override {
        questions << question;
        defauts << defaut;
        if (textes.empty()) return std::nullopt;
        const std::optional<QString> t = textes.front();
        textes.pop_front();
        return t;
    }
    // The button of `choix` in turn; with none scripted, the box closed (-1).
    int Choisir(const QString& texte, const QStringList& boutons) override {
        questions << texte;
        boutonsProposes.push_back(boutons);
        if (choix.empty()) {
            ++sansReponse;
            return -1;
        }
        const int c = choix.front();
        choix.pop_front();
        return c;
    }
    std::deque<Reponse> reponses;
    std::deque<std::optional<QString>> textes;  // what Demander answers, in turn
    std::deque<int> choix;                      // what Choisir answers, in turn
    std::vector<QStringList> boutonsProposes;
    QStringList defauts;  // what Demander offered, in turn
    QStringList questions;
    int sansReponse = 0;
};

struct FauxServices {
    FauxFichiers fichiers;
    FauxMessages messages;
    FauxSon son;
    FauxAide aide;
    FauxQuestions questions;
    Services services() { return {&fichiers, &messages, &son, &aide, &questions}; }
};

// An application folder in a temporary place: Base/ with the seven
// textures of a W x H section (drawn here, not the shipped ones),
// Evenements/ and Modeles/. Returns the executable's full name in it.
struct TaillesTextures {
    int largeur = 640;   // Couche1 width: the section width
    int hauteur = 600;   // Couche3 height: the section height
    int hautCouche1 = 220;
};
QString CreerDossierAppli(const QString& racine, TaillesTextures t = {});
QImage TextureUnie(int largeur, int hauteur, QRgb couleur);
