// The teacher's window: a series of exercises drawn from a seed, written as
// exercise files with their printable sheets, and a class's answer files
// marked against one exercise, the table saved for a spreadsheet.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "section/serie.h"
#include "section/session.h"
#include "section/tableur.h"
#include "services.h"

class QCheckBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class QTabWidget;
class QTimer;

class FenetreEnseignant : public QDialog {
    Q_OBJECT
public:
    FenetreEnseignant(const Services& services, const section::Textures& textures, QString dossierDocuments,
                      QWidget* parent = nullptr);

    // "Préparer une série": the rules the controls give.
    section::ReglesSerie Regles() const;
    // Asks a folder and writes the series (section::PreparerSerie) into a
    // new sub-folder of it named by section::NomDossierSerie ("<titre> -
    // <graine>"): exercice-S-NN.exo files and fiches-S.pdf. Nothing is
    // written when any of these names is already taken there. False when
    // cancelled or refused (said).
    bool CreerSerie();
    // The same series (the controls' rules and seed) as one package for a
    // school's course platform, one exercise after the other
    // (enseignant_paquet.cpp). The path written, or nothing.
    std::optional<QString> ExporterSerieScorm();
    // A fresh seed in the seed field (section::GraineNouvelle: 1 to
    // 999 999), kept for the next opening with the title and the count.
    void NouvelleGraine();

    // "Noter une classe": asks the exercise file, then the folder of the
    // answers; the table is filled when both are known.
    bool ChoisirExercice();
    bool ChoisirCopies();
    // Marks every entry of `dossier` that looks like an answer (named .rep
    // or .lst, or beginning as an answer does) against the model `chemin`
    // (an exercise or an answer key list, told apart by its bytes), one row
    // each, as section::NoterClasseEnseignant grades a class for every
    // front end: in the order of their names, each file's kind read from
    // its bytes; an entry that cannot be read, is no file or is damaged has
    // its reason as the remark; an answer of more than 300 events is not
    // replayed and its row says so. A progress bar with "Annuler" stops the
    // grading: the rows graded so far stay. False (table emptied, said)
    // when the model cannot be read.
    // From then on the table follows the exercise file and the folder: a
    // file added, removed or rewritten there, the exercise rewritten, and
    // the class is graded again (changes close together graded once).
    bool NoterClasse(const QString& cheminExercice, const QString& dossier);
    // The table as the engine writes it for a spreadsheet (section::CsvDesNotes).
    QByteArray TexteCsv() const;
    // Asks a name and writes TexteCsv safely; false when cancelled or failed.
    bool EnregistrerCsv();

Q_SIGNALS:
    // The table was graded again (or emptied when the model could not be read).
    void ClasseNotee();

private:
    QWidget* OngletSerie();
    // Watches the exercise file, the answers' folder and each answer in it.
    void Surveiller(const QStringList& reponses);
    QWidget* OngletClasse();
    void Erreur(const QString& texte);
    // One answer's row, in the table and in the CSV.
    void AjouterLigne(const section::LigneNotes& l);

    Services services_;
    section::Textures textures_;
    QString dossierDocuments_;
    QString cheminExercice_;
    QString dossierCopies_;

    QTabWidget* onglets_ = nullptr;
    QSpinBox* nombre_ = nullptr;
    QSpinBox* evenements_ = nullptr;
    std::vector<QCheckBox*> permis_;  // by tag - 1
    QLineEdit* graine_ = nullptr;
    QLineEdit* prefixe_ = nullptr;
    QLabel* bilanSerie_ = nullptr;
    QLabel* exercice_ = nullptr;
    QLabel* copies_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* bilanClasse_ = nullptr;
    bool notationEnCours_ = false;
    // The class whose table is shown, watched for changes.
    QString exerciceSuivi_;
    QString copiesSuivies_;
    QFileSystemWatcher* veille_ = nullptr;
    QTimer* renoter_ = nullptr;  // single shot: changes close together grade once
    std::vector<section::LigneNotes> notes_;  // the table's rows, as the CSV writes them
};
