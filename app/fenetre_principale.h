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

#include "dessin/formations.h"
#include "section/commandes.h"
#include "section/exercice.h"
#include "section/session.h"
#include "section/verification.h"
#include "services.h"

class QAction;
class QDialog;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class VueImage;

class FenetrePrincipale : public QMainWindow {
    Q_OBJECT
public:
    // `executable`: the program's full file name, from which the data
    // folders and the help file derive; empty for the running program's.
    explicit FenetrePrincipale(const Services& services, const QString& executable = QString(),
                               QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    // How the about box is shown (modally); set by the program entry.
    void setApropos(std::function<void()> montrer) { apropos_ = std::move(montrer); }

    // Reset of the section, the list, undo, folders and help colours.
    void Reinitialiser();

    // One handler per command of the menu bar and the panel; each one is
    // connected with what it applies (fenetre_menus.cpp).
    void AppliquerEvenement(section::Evenement e);
    void Annuler();
    void RetourDebut();
    void ChargerModele();
    void EnregistrerModele();
    void ExporterImage();
    void ChargerListe();
    bool EnregistrerListe();  // true when the list was written
    void ExporterListe();
    void Quitter();
    void Aide();
    void AideEvenement(section::Evenement e);
    void Avertissement();
    void APropos();
    // The model in the view's place while the view is pressed.
    void MontrerModele(Qt::MouseButton bouton);
    void MontrerCoupe();
    // The "Affichage" menu: letters and tints over the view, the legend.
    void AfficherLettres(bool oui);
    // From now on the letters' check mark is kept in the user's settings,
    // and the one kept is applied now (the program calls it; tests do not,
    // so that they always start without letters).
    void MemoriserAffichage();
    void AfficherTeintes(bool oui);
    // Each rock drawn with its figuré (the engine's rock view) under the
    // letters and tints; off, the core's picture. On when an exercise opens.
    void AfficherRoches(bool oui);
    void MontrerLegende();
    // The "Exercice" menu (fenetre_exercices.cpp).
    void OuvrirExercice();
    bool OuvrirExercice(const QString& chemin);
    // "Ouvrir une réponse...": a saved answer continued, its exercise
    // found beside it, kept, open or chosen (fenetre_reprise.cpp).
    void OuvrirReponse();
    bool OuvrirReponse(const QString& chemin);
    void Verifier();
    bool EnregistrerReponse();  // true when the answer was written
    // Says in the status line what was just written.
    void Annoncer(const QString& texte);
    void CreerExercice();
    // The open exercise as a package for a course platform (paquet_qt.h);
    // the path written, or nothing.
    std::optional<QString> ExporterScorm();
    void OrdonnerEvenements();
    void OuvrirEspaceEnseignant();
    QDialog* fenetreEnseignant() const { return fenetreEnseignant_; }
    QDialog* fenetreOrdonner() const { return fenetreOrdonner_; }
    const std::optional<section::Exercice>& exercice() const { return exercice_; }
    // The order last checked, and the cards as last laid out in "Ordonner".
    const std::optional<section::OrdreDonne>& ordreDonne() const { return ordreDonne_; }
    const section::Verifications& verifications() const { return verifications_; }
    const std::optional<section::OrdreDonne>& cartesPosees() const { return cartesPosees_; }
    // The seed the open exercise's cards are dealt from (section::GraineDeLaDonne).
    std::uint32_t graineDonne() const { return graineDonne_; }

    // The pupil's work is kept in `dossier` (the program gives the user's
    // application data folder) after each change, and offered back at the
    // next start; empty, nothing is kept (fenetre_reprise.cpp).
    void GarderTravailDans(const QString& dossier);
    const QString& dossierTravail() const { return dossierTravail_; }
    // The start-up, as one step once the window is up: the warning, then
    // the file named in `arguments` (OuvrirArguments) or, without one, the
    // work kept at the last start offered back. A file wins over the kept
    // work, which is offered after it only when the file is the kept
    // exercise itself. Emits Demarre at its end.
    void Commencer(const QStringList& arguments);

    // The program's arguments: a list file named after the program opens as
    // "Charger une liste d'événements" would open it (fenetre_bureau.cpp).
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
    bool sansSon() const { return sansSon_; }
    bool finDemandee() const { return finDemandee_; }
    const QString& repAppli() const { return repAppli_; }
    const QString& repBase() const { return repBase_; }
    const QString& repEvenements() const { return repEvenements_; }
    const QString& repModeles() const { return repModeles_; }
    const QString& repDocuments() const { return repDocuments_; }
    const QString& repListes() const { return repListes_; }
    const QString& fichierAide() const { return fichierAide_; }
    const QImage& imageModele() const { return imageModele_; }
    const dessin::Affichage& affichage() const { return affichage_; }
    // The legend window, once shown; its lines, for tests and screen readers.
    QDialog* fenetreLegende() const { return fenetreLegende_; }
    QStringList LignesLegende() const;

Q_SIGNALS:
    // The textures are missing: the program must end once control is back
    // in the event loop. Emitted queued, so a receiver connected right after
    // construction still hears it.
    void FinDemandee();
    // The start-up step (Commencer) is over.
    void Demarre();

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    // Layout (fenetre_disposition.cpp).
    void CreerControles();
    // The menu bar from the engine's table, each item connected to the
    // handler of its command (fenetre_menus.cpp).
    void CreerMenu();
    QAction* CreerArticle(QMenu* menu, const section::ArticleMenu& article);
    void Connecter(QAction* action, section::Commande commande);
    void MajMenuExercice();
    // An exercise read from `chemin` becomes the one open (its model, the
    // section reset, the cards to deal anew); `modele` is its list replayed.
    bool ExerciceJouable(const section::Exercice& e, const QString& chemin, section::Session& modele);
    void InstallerExercice(section::Exercice e, section::Session modele, const QString& chemin);
    std::optional<QString> DemanderOuverture(const QString& titre, const QString& filtre, const QString& extension);
    std::optional<QString> DemanderEnregistrement(const QString& titre, const QString& filtre,
                                                  const QString& extension, const QString& nom);
    void MontrerEcarts(const section::Verification& v);
    void Centrer();

    // Start-up and reset (fenetre_demarrage.cpp).
    void Demarrer();
    bool ChargerTexturesBase();
    void DemanderFin();

    // Everything the window shows of the session (fenetre_evenements.cpp): undo,
    // list, view and availability.
    void Rafraichir();
    void AppliquerDisponibilite();
    void AfficherListe();
    void AfficherCoupe();
    void CouleursAide(std::optional<section::Evenement> rouge);
    // Letters, tints and legend after the view changed (fenetre_formations.cpp).
    void AfficherFormations();
    void PlacerLegende();
    // The session whose picture is in view: the exercise's model while it
    // is pressed, else the pupil's.
    const section::Session& SessionAffichee() const;

    // Keys, tooltips, unsaved work, list argument, pupil's models
    // (fenetre_bureau.cpp).
    void MajBulles(std::size_t k, std::string_view raison);
    // Accessible names, once, and descriptions after each refresh
    // (fenetre_accessibilite.cpp).
    void NommerControles();
    void DecrireControles();
    bool ConfirmerAbandon();
    bool SauverListe(bool texte);
    void ChargerListe(const QString& chemin);
    void SauverImage(bool commeModele);
    bool ComparaisonClavier(QObject* objet, QEvent* e);
    // The kept work (fenetre_reprise.cpp).
    void GarderTravail();
    std::optional<std::string> TexteTravail() const;
    // What became of the kept work at start-up.
    enum class Offre { Rien, Reprise, Nouvelle };
    Offre OffrirReprise(bool seulementCetExercice);
    std::optional<section::Exercice> ExerciceDeLaReponse(const section::Reponse& r, const QString& chemin,
                                                         QString& cheminExercice);
    void FinComparaisonClavier();
    QString DossierSauvegardeModeles() const;
    QStringList DossiersModeles() const;

    // Sound and keys (fenetre_aide_son.cpp).
    void JouerSon(const QString& nom);
    bool BasculerSon(QObject* cible, QKeyEvent* e);
    // The "Sons" item and the key chord: sounds on or off.
    void ActiverSons(bool actif);

    Services services_;
    section::Session session_;
    QString executable_;
    bool texturesOk_ = false;
    bool finDemandee_ = false;
    bool sansSon_ = true;
    bool dejaActivee_ = false;
    bool curseurModele_ = false;
    bool modeleEnVue_ = false;  // the model is shown in the view's place
    bool comparaisonClavier_ = false;  // the model shown while Space is held
    section::Liste listeEnregistree_;  // as last saved or loaded
    // The exercise's order as last checked in "Ordonner", and as last saved
    // in an answer.
    std::optional<section::OrdreDonne> ordreDonne_, ordreEnregistre_;
    // How many times the pupil checked the section and the order of the
    // exercise open, kept with the work and written in the answer.
    section::Verifications verifications_;
    // The cards as last laid out in "Ordonner", checked or not.
    std::optional<section::OrdreDonne> cartesPosees_;
    // The kept work: its folder, whether changes are kept yet (not before
    // the start-up step offered it back), the text and the exercise's
    // fingerprint last written or read.
    QString dossierTravail_;
    bool garder_ = false;
    bool commence_ = false;
    std::string texteGarde_;
    std::optional<std::uint64_t> exerciceGarde_;
    bool gardeImpossibleDite_ = false;  // the pupil was told the work cannot be kept

    QString repAppli_, repBase_, repEvenements_, repModeles_, repDocuments_, repListes_;
    QString fichierAide_;

    // What the dialogs keep from one showing to the next.
    QString nomListeOuverte_;               // OpenDialog1: last chosen file
    QString nomImage_ = QStringLiteral("Exemple.bmp");  // SavePictureDialog1
    QImage imageModele_;

    std::function<void()> apropos_;

    dessin::Affichage affichage_{false, false, false, false};
    bool memoriserAffichage_ = false;
    QAction* articleLettres_ = nullptr;
    QAction* articleTeintes_ = nullptr;
    QAction* articleRoches_ = nullptr;
    QAction* articleSons_ = nullptr;
    QDialog* fenetreLegende_ = nullptr;

    std::optional<section::Exercice> exercice_;
    std::uint64_t empreinte_ = 0;      // the open exercise's fingerprint
    section::Session modeleExercice_;  // the exercise's list replayed: its target
    QString eleve_;                    // the name of the answer reopened, offered when it is saved again
    QAction* articleVerifier_ = nullptr;
    QAction* articleReponse_ = nullptr;
    QAction* articleCreerExercice_ = nullptr;
    QAction* articleOrdonner_ = nullptr;
    QAction* articleEspaceEnseignant_ = nullptr;
    QAction* articleScorm_ = nullptr;
    QAction* articleOuvrirReponse_ = nullptr;
    QString cheminExercice_;  // the file the open exercise was read from
    QDialog* fenetreEnseignant_ = nullptr;
    QPointer<QDialog> fenetreOrdonner_;  // the cards window, while open
    std::uint64_t donne_ = 0;            // how many times the exercise's cards were dealt
    std::uint32_t graineDonne_ = 0;      // drawn when the exercise is opened, kept with the work
    QString titreExercice_;  // the title last given to a new exercise
    QLabel* imageLegende_ = nullptr;

    // Controls; the event arrays in the order of the event table.
    QFrame* cadreVue_ = nullptr;
    QLabel* ligneEtat_ = nullptr;
    QLabel* ligneExercice_ = nullptr;    // the open exercise, above the section
    QFrame* panneauCommandes_ = nullptr;
    VueImage* vue_ = nullptr;
    VueImage* vueModele_ = nullptr;
    std::array<QPushButton*, 7> boutonsEvenements_{};
    std::array<QAction*, 7> articlesEvenements_{};
    std::array<QPushButton*, 7> boutonsAide_{};
    // The event whose help button is red: the last one applied, if any.
    std::optional<section::Evenement> aideRouge_;
    QListWidget* listeEvenements_ = nullptr;
    QPushButton* boutonAnnuler_ = nullptr;
    QPushButton* boutonRetourDebut_ = nullptr;
    QAction* articleAnnuler_ = nullptr;
};
