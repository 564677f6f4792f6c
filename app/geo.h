// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the section in view, the seven event commands with their
// help buttons, the event list, undo and return to start, the list files,
// the model comparison, the picture export, help, warning and sounds.
// Handlers stay thin: a dialog, then the session (section::Session), then
// one refresh of everything the window shows.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QDialog>
#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "dessin_formations.h"
#include "section/exercice.h"
#include "section/session.h"
#include "section/verification.h"
#include "services.h"

class QAction;
class QDialog;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class VueImage;

class TGEOLOGIE : public QMainWindow {
    Q_OBJECT
public:
    // `executable`: the program's full file name, from which the data
    // folders and the help file derive; empty for the running program's.
    explicit TGEOLOGIE(const Services& services, const QString& executable = QString(),
                       QWidget* parent = nullptr);
    ~TGEOLOGIE() override;

    // How the about box is shown (modally); set by the program entry.
    void setApropos(std::function<void()> montrer) { apropos_ = std::move(montrer); }

    // Reset of the section, the list, undo, folders and help colours.
    void InitProfil();

    // Handlers; each reads the tag of its sender where a family shares one.
    void SedimClick(QObject* Sender);
    void AnnulerClick();
    void EffaceClick();
    void Sauver1Click(QObject* Sender);
    void Charger1Click();
    void Importermodle1Click();
    void VisuMouseDown(Qt::MouseButton Button);
    void VisuMouseUp();
    void ExporterImage1Click(QObject* Sender);
    void Aide1Click();
    void AideBt1Click(QObject* Sender);
    void Avertissement1Click();
    void Apropos1Click();
    void Quitter1Click();
    // The "Affichage" menu: letters and tints over the view, the legend.
    void LettresClick(bool oui);
    void TeintesClick(bool oui);
    void LegendeClick();
    // The "Exercice" menu (geo_exercices.cpp).
    void OuvrirExerciceClick();
    bool OuvrirExercice(const QString& chemin);
    void VerifierClick();
    void EnregistrerReponseClick();
    void CreerExerciceClick();
    void OrdonnerClick();
    void EspaceEnseignantClick();
    QDialog* FenetreEnseignantOuverte() const { return fenetreEnseignant_; }
    QDialog* FenetreOrdre() const { return fenetreOrdonner_; }
    const std::optional<section::Exercice>& exercice() const { return exercice_; }

    // The program's arguments: a list file named after the program opens as
    // "Charger une liste d'événements" would open it (geo_bureau.cpp).
    void OuvrirArguments(const QStringList& arguments);
    // A list file, from the command line or the desktop: a name without the
    // ".lst" extension gets a message and changes nothing.
    void OuvrirFichier(const QString& chemin);
    // The list holds events that were not saved since the last save or load.
    bool ModificationsNonEnregistrees() const;
    // Where a pupil's models go when the program's Modeles folder cannot be
    // written: Strataloom/Modeles in the user's documents folder.
    static QString RepModelesEleve();

    // State, for the program entry and for tests.
    const section::Session& session() const { return session_; }
    bool SansSon() const { return SansSon_; }
    bool finDemandee() const { return finDemandee_; }
    const QString& RepAppli() const { return RepAppli_; }
    const QString& RepBase() const { return RepBase_; }
    const QString& RepEvenements() const { return RepEvenements_; }
    const QString& RepModeles() const { return RepModeles_; }
    const QString& RepDocuments() const { return RepDocuments_; }
    const QString& RepListes() const { return RepListes_; }
    const QString& FichierAide() const { return FichierAide_; }
    const QImage& ImageModele() const { return modele_; }
    const Affichage& affichage() const { return affichage_; }
    // The legend window, once shown; its lines, for tests and screen readers.
    QDialog* FenetreLegende() const { return fenetreLegende_; }
    QStringList LignesLegende() const;

Q_SIGNALS:
    // The textures are missing: the program must end once control is back
    // in the event loop. Emitted queued, so a receiver connected right after
    // construction still hears it.
    void FinDemandee();

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    // Layout (geo_disposition.cpp).
    void CreerControles();
    void CreerMenu();
    void CreerMenuAffichage();  // geo_formations.cpp
    void CreerMenuExercice();   // geo_exercices.cpp
    void MajMenuExercice();
    std::optional<QString> DemanderEnregistrement(const QString& titre, const QString& filtre,
                                                  const QString& extension, const QString& nom);
    void MontrerEcarts(const section::Verification& v);
    void Centrer();

    // Start-up and reset (geo.cpp).
    void FormCreate();
    bool ChargerTexturesBase();
    void DemanderFin();

    // Everything the window shows of the session (geo_evenements.cpp): undo,
    // list, view and availability.
    void Rafraichir();
    void AppliquerDisponibilite();
    void AfficherListe();
    void AfficherProfil();
    void CouleursAide(int rouge);
    // Letters, tints and legend after the view changed (geo_formations.cpp).
    void AfficherFormations();

    // Keys, tooltips, unsaved work, list argument, pupil's models
    // (geo_bureau.cpp).
    void CreerRaccourcis();
    void MajBulles();
    // Accessible names, once, and descriptions after each refresh
    // (geo_accessibilite.cpp).
    void NommerControles();
    void DecrireControles();
    bool ConfirmerAbandon();
    bool SauverListe(int k);
    void ChargerListe(const QString& chemin);
    bool ComparaisonClavier(QObject* objet, QEvent* e);
    void FinComparaisonClavier();
    QString DossierSauvegardeModeles() const;
    QStringList DossiersModeles() const;

    // Sound and keys (geo_services.cpp).
    void JoueSon(const QString& nom);
    bool FormKeyDown(QObject* cible, QKeyEvent* e);
    void FormActivate();

    Services services_;
    section::Session session_;
    QString executable_;
    bool texturesOk_ = false;
    bool finDemandee_ = false;
    bool SansSon_ = true;
    bool dejaActivee_ = false;
    bool curseurModele_ = false;
    bool comparaisonClavier_ = false;  // the model shown while Space is held
    section::Liste listeEnregistree_;  // as last saved or loaded

    QString RepAppli_, RepBase_, RepEvenements_, RepModeles_, RepDocuments_, RepListes_;
    QString FichierAide_;

    // What the dialogs keep from one showing to the next.
    QString nomListeOuverte_;               // OpenDialog1: last chosen file
    QString nomImage_ = QStringLiteral("Exemple.bmp");  // SavePictureDialog1
    QImage modele_;

    std::function<void()> apropos_;

    Affichage affichage_{false, false, false};
    QAction* Lettres1 = nullptr;
    QAction* Teintes1 = nullptr;
    QDialog* fenetreLegende_ = nullptr;

    std::optional<section::Exercice> exercice_;
    section::Session modeleExercice_;  // the exercise's list replayed: its target
    QString eleve_;                    // the name last given with an answer
    QAction* Verifier1 = nullptr;
    QAction* Reponse1 = nullptr;
    QAction* CreerExercice1 = nullptr;
    QAction* Ordonner1 = nullptr;
    QAction* EspaceEnseignant1 = nullptr;
    QDialog* fenetreEnseignant_ = nullptr;
    QPointer<QDialog> fenetreOrdonner_;  // the cards window, while open
    std::uint64_t donne_ = 0;            // how many times the cards were dealt
    QString titreExercice_;  // the title last given to a new exercise
    QLabel* imageLegende_ = nullptr;

    // Controls; arrays indexed by tag, index 0 unused.
    QFrame* Bevel1 = nullptr;
    QFrame* Panel1 = nullptr;
    VueImage* Visu = nullptr;
    VueImage* Modele = nullptr;
    std::array<QPushButton*, 8> boutons_{};
    std::array<QAction*, 8> menus_{};
    std::array<QPushButton*, 8> BoutonsAide{};
    QListWidget* ListBox1 = nullptr;
    QPushButton* Annuler = nullptr;
    QPushButton* Efface = nullptr;
    QAction* Annuler1 = nullptr;
};

// The tag of a command: the data of a menu item, the "tag" property of a
// button; 0 when it has none.
int TagDe(const QObject* commande);
