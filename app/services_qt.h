// SPDX-License-Identifier: GPL-3.0-or-later
// The platform services of the program: Qt's own file dialogs and message
// boxes behind the interfaces of services.h.
#pragma once

#include <QStringList>

#include "services.h"

class QWidget;

// The application's title, used for its message boxes.
inline constexpr const char* kTitreApplication = "Strataloom";

// "Desc|*.ext|Desc2|*.a;*.b" to Qt's name filters "Desc (*.ext)" and
// "Desc2 (*.a *.b)"; a description already naming its patterns is kept.
QStringList FiltresQt(const QString& filtre);

// The widget the dialogs and boxes below are modal to.
class ParentQt {
public:
    explicit ParentQt(QWidget* parent) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

protected:
    QWidget* parent_;
};

// File dialogs drawn by Qt (never the native ones, so they look and behave
// the same everywhere and can be driven in tests).
class FichiersQt : public ServiceFichiers, public ParentQt {
public:
    explicit FichiersQt(QWidget* parent = nullptr) : ParentQt(parent) {}

    std::optional<QString> Ouvrir(const DemandeFichier& d) override;
    std::optional<QString> Enregistrer(const DemandeFichier& d) override;
    std::optional<QString> ChoisirDossier(const DemandeFichier& d) override;

private:
    std::optional<QString> Dialogue(const DemandeFichier& d, bool ouvrir);
};

// The question box: "Oui", "Non", "Annuler", the last one by default and
// for Escape, titled with the application's name.
class QuestionsQt : public ServiceQuestions, public ParentQt {
public:
    explicit QuestionsQt(QWidget* parent = nullptr) : ParentQt(parent) {}

    Reponse OuiNonAnnuler(const QString& texte) override;
    std::optional<QString> Demander(const QString& question, const QString& defaut) override;
    int Choisir(const QString& texte, const QStringList& boutons) override;

};

// Modal boxes with a single OK button, titled with the application's name.
class MessagesQt : public ServiceMessages, public ParentQt {
public:
    explicit MessagesQt(QWidget* parent = nullptr) : ParentQt(parent) {}

    void Erreur(const QString& texte) override;
    void Information(const QString& texte) override;
    void Simple(const QString& texte) override;

private:
    void Montrer(int icone, const QString& texte);
};
