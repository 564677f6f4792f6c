// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's "Ordonner les événements" window: the target section with
// its letters and legend, the events as cards the pupil puts in order
// (oldest at the top), and a check of that order against the exercise's
// model. The cards show their names only: neither the answer nor the
// cards' places in it are ever shown.
#pragma once

#include <QDialog>
#include <QImage>
#include <cstdint>
#include <optional>
#include <vector>

#include "section/exercice.h"
#include "section/session.h"
#include "section/ordre.h"
#include "section/justification.h"
#include <map>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

class FenetreOrdonner : public QDialog {
    Q_OBJECT
public:
    // The model is the exercise's list replayed on `textures`; `graine`
    // shuffles the cards. `posees`, when it is an order of these cards,
    // lays them out as the pupil last left them, with their
    // justifications, instead of the deal; `verifiees`: that order was
    // checked, and the check is shown again. `roches`: the section and the
    // legend's swatches in the rock view, as the window shows them.
    FenetreOrdonner(const section::Exercice& e, const section::Textures& textures, std::uint64_t graine,
                    QWidget* parent = nullptr, const std::optional<section::OrdreDonne>& posees = std::nullopt,
                    bool verifiees = false, bool roches = false);

    // False when the exercise was made with other textures: the section
    // shown is then the one these textures give.
    bool memesTextures() const { return memesTextures_; }
    const section::Session& modele() const { return modele_; }
    // The card ids in the order the list shows them, top first.
    std::vector<int> ordre() const;
    // The section as shown: the model's view with its letters.
    QImage image() const { return image_; }
    // What the last check said; juste is false before any check.
    const section::VerificationOrdre& verification() const { return verification_; }
    // The justification of each card in the order ordre() gives (the first
    // one is never read), and the verdicts and mark of the last check.
    std::vector<section::Justification> justifications() const;
    const std::vector<section::AvisJustification>& avis() const { return avis_; }
    // The order's mark out of 20 at the last check, -1 before any.
    int note() const { return note_; }

Q_SIGNALS:
    // Each check gives the order, its justifications and its mark, for
    // the pupil's answer.
    void OrdreVerifie(const section::OrdreDonne& ordre);
    // Each move of a card and each justification chosen gives the cards as
    // they lie (the mark 0), to lay them out so again.
    void CartesPosees(const section::OrdreDonne& cartes);
    // Each press of "Vérifier", kept or not: the pupil's answer counts them.
    void Verification();

public Q_SLOTS:
    void Monter();      // the selected card one place up
    void Descendre();   // one place down
    void Verifier();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Deplacer(int pas);
    void OrdreChange();
    // The combo boxes show the chosen card's justification; the cards show
    // theirs after their names.
    void CarteChoisie();
    void JustificationChoisie();
    void NommerCartes();
    // The cards in the order of `o`, each with its justification.
    void Poser(const section::OrdreDonne& o);

    section::Session modele_;
    section::Session essai_;
    std::vector<section::Carte> cartes_;
    section::Chronologie chronologie_;
    std::vector<section::TemoinPropose> temoins_;
    std::map<int, section::Justification> justifications_;  // by card id
    section::VerificationOrdre verification_;
    std::vector<section::AvisJustification> avis_;
    int note_ = -1;
    bool memesTextures_ = false;
    QImage image_;
    QListWidget* liste_ = nullptr;
    QPushButton* monter_ = nullptr;
    QPushButton* descendre_ = nullptr;
    QLabel* resultat_ = nullptr;
    QComboBox* principe_ = nullptr;
    QComboBox* temoin_ = nullptr;
    QLabel* etatJustification_ = nullptr;
};
