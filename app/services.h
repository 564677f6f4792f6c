// SPDX-License-Identifier: GPL-3.0-or-later
// The platform services the main window uses, behind small interfaces so
// the window's logic runs in tests with fakes.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What a file dialog is asked for. `filtre` keeps the program's own form,
// "Description|*.ext" pairs separated by '|'; the Qt adapter converts it.
struct DemandeFichier {
    QString titre;             // empty: the platform's default title
    QString filtre;
    QString extensionDefaut;   // without the dot; empty for none
    QString dossierInitial;    // empty: the platform's choice
    QString nomFichier;        // preset name (bare or full path)
    bool confirmerEcrasement = false;
    bool dossierDoitExister = false;
    bool fichierDoitExister = false;
    bool apercuImage = false;  // picture dialogs
    QStringList dossiersProposes;  // folders offered beside the places of the platform
};

class ServiceFichiers {
public:
    virtual ~ServiceFichiers() = default;
    // The chosen full file name, or nothing when cancelled.
    virtual std::optional<QString> Ouvrir(const DemandeFichier& d) = 0;
    virtual std::optional<QString> Enregistrer(const DemandeFichier& d) = 0;
    // A folder chosen (titre, dossierInitial and dossiersProposes are read),
    // or nothing when cancelled; by default none can be chosen.
    virtual std::optional<QString> ChoisirDossier(const DemandeFichier& d) {
        (void)d;
        return std::nullopt;
    }
};

class ServiceMessages {
public:
    virtual ~ServiceMessages() = default;
    virtual void Erreur(const QString& texte) = 0;       // error icon, OK
    virtual void Information(const QString& texte) = 0;  // information icon, OK
    virtual void Simple(const QString& texte) = 0;       // no icon, OK
};

class ServiceSon {
public:
    virtual ~ServiceSon() = default;
    // Stops a sound still playing; nothing when none is open.
    virtual void Fermer() = 0;
    // Opens and starts the file, returns at once; false when it cannot play.
    virtual bool Jouer(const QString& chemin) = 0;
};

class ServiceAide {
public:
    virtual ~ServiceAide() = default;
    // Shows the topic with this context number of the help file.
    virtual void Montrer(const QString& fichierAide, int contexte) = 0;
};

// A question answered by "Oui", "Non" or "Annuler".
enum class Reponse { Oui, Non, Annuler };

class ServiceQuestions {
public:
    virtual ~ServiceQuestions() = default;
    // Question icon, the three buttons; closing the box answers "Annuler".
    virtual Reponse OuiNonAnnuler(const QString& texte) = 0;
    // A line of text typed in answer, or nothing when cancelled.
    virtual std::optional<QString> Demander(const QString& question, const QString& defaut) = 0;
    // Question icon, one button per caption, the first the default; the
    // index of the button pressed, or -1 when the box was closed.
    virtual int Choisir(const QString& texte, const QStringList& boutons) = 0;
};

struct Services {
    ServiceFichiers* fichiers = nullptr;
    ServiceMessages* messages = nullptr;
    ServiceSon* son = nullptr;
    ServiceAide* aide = nullptr;
    ServiceQuestions* questions = nullptr;  // none: nothing is asked, the command goes on
};
