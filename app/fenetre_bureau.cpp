// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a desktop program: the comparison held on the space bar,
// tooltips that say what each command does and why it is off, the question
// before unsaved work is lost, a list file named on the command line, and
// the pupil's own models folder when the program's cannot be written.
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QUrl>

#include "dossiers.h"
#include "fenetre_principale.h"
#include "vue_image.h"
#include "dessin/noms.h"
#include "section/disponibilite.h"

namespace {

QString Texte(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

// Each command says what it does, and when it is off why, in the engine's
// words; its "?" says what its help holds, and why the command is off.
void FenetrePrincipale::MajBulles(std::size_t k, std::string_view raison) {
    const section::Evenement e = section::kEvenements[k].evenement;
    const section::Bulles bulles = section::BullesEvenement(e, raison, e == aideRouge_);
    const QString bulle = Texte(bulles.commande);
    boutonsEvenements_[k]->setToolTip(bulle);
    articlesEvenements_[k]->setToolTip(bulle);
    boutonsAide_[k]->setToolTip(Texte(bulles.aide));
}

// The space bar, pressed while the view has the focus and a model is
// loaded, shows the model until it is released. Held, the key repeats:
// every press and release of it belongs to the comparison until the
// release, wherever the focus went when the view was hidden.
bool FenetrePrincipale::ComparaisonClavier(QObject* objet, QEvent* e) {
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease) return false;
    const auto* touche = static_cast<QKeyEvent*>(e);
    if (touche->key() != Qt::Key_Space) return false;
    const auto* widget = qobject_cast<QWidget*>(objet);
    if (!widget || widget->window() != this) return false;
    if (comparaisonClavier_) {
        if (e->type() == QEvent::KeyRelease && !touche->isAutoRepeat()) FinComparaisonClavier();
        return true;
    }
    if (e->type() != QEvent::KeyPress || touche->isAutoRepeat() || touche->modifiers() != Qt::NoModifier)
        return false;
    if (widget != vue_ || !vue_->isEnabled() || !vue_->hasFocus()) return false;
    comparaisonClavier_ = true;
    MontrerModele(Qt::LeftButton);
    return true;
}

void FenetrePrincipale::FinComparaisonClavier() {
    if (!comparaisonClavier_) return;
    comparaisonClavier_ = false;
    MontrerCoupe();
    vue_->setFocus(Qt::OtherFocusReason);
}

// Events beyond the first line that differ from the list last saved or
// loaded, or an order checked since the answer was last saved. The reset
// list, "Sédimentation" alone, holds nothing to lose.
bool FenetrePrincipale::ModificationsNonEnregistrees() const {
    const section::Liste& l = session_.liste();
    return (l.size() > 1 && l != listeEnregistree_) || ordreDonne_ != ordreEnregistre_;
}

// True when the command may go on: nothing to lose, "Non", or "Oui" and
// the work saved. While an exercise is open, the work is the answer.
bool FenetrePrincipale::ConfirmerAbandon() {
    if (!ModificationsNonEnregistrees() || !services_.questions) return true;
    const bool reponse = exercice_.has_value();
    switch (services_.questions->OuiNonAnnuler(
        reponse ? tr("Ta réponse à l'exercice n'a pas été enregistrée.\rVeux-tu l'enregistrer ?")
                : tr("La liste des événements n'a pas été sauvée.\rVoulez-vous la sauver ?"))) {
    case Reponse::Oui: return reponse ? EnregistrerReponse() : EnregistrerListe();
    case Reponse::Non: return true;
    case Reponse::Annuler: break;
    }
    return false;
}

// "&Quitter", Alt+F4, Ctrl+Q and the window's close box all come here.
void FenetrePrincipale::closeEvent(QCloseEvent* e) {
    if (!ConfirmerAbandon()) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
}

// The first argument after the program's name; any other is left alone.
void FenetrePrincipale::OuvrirArguments(const QStringList& arguments) {
    if (arguments.size() < 2 || arguments.at(1).isEmpty()) return;
    QString chemin = arguments.at(1);
    if (chemin.startsWith(QLatin1String("file:"))) chemin = QUrl(chemin).toLocalFile();
    OuvrirFichier(chemin);
}

void FenetrePrincipale::OuvrirFichier(const QString& chemin) {
    const QFileInfo fichier(chemin);
    if (fichier.suffix().compare(QLatin1String("exo"), Qt::CaseInsensitive) == 0) {
        OuvrirExercice(chemin);
        return;
    }
    if (fichier.suffix().compare(QLatin1String("rep"), Qt::CaseInsensitive) == 0) {
        OuvrirReponse(chemin);
        return;
    }
    if (fichier.suffix().compare(QLatin1String("lst"), Qt::CaseInsensitive) != 0) {
        services_.messages->Erreur(
            tr("Le fichier %1 n'est pas une liste d'événements : Strataloom n'ouvre que les listes "
               "d'événements (.lst), les exercices (.exo) et les réponses (.rep).")
                .arg(QDir::toNativeSeparators(chemin)));
        return;
    }
    if (!ConfirmerAbandon()) return;
    // The load dialog offers it next time, as after choosing it there.
    nomListeOuverte_ = QDir::toNativeSeparators(fichier.absoluteFilePath());
    ChargerListe(nomListeOuverte_);
}

QString FenetrePrincipale::RepModelesEleve() {
    QString documents = DossierDocumentsSysteme();
    if (documents.isEmpty()) documents = QDir::homePath();
    return QDir::toNativeSeparators(QDir(documents).filePath(QStringLiteral("Strataloom/Modeles")));
}

// The program's Modeles folder when it can be written (the program run
// from its build or a folder of the pupil's), else the pupil's own,
// created the first time it is needed.
QString FenetrePrincipale::DossierSauvegardeModeles() const {
    const QFileInfo programme(repModeles_);
    if (programme.isDir() && programme.isWritable()) return repModeles_;
    const QString eleve = RepModelesEleve();
    if (QDir().mkpath(eleve)) return eleve;
    return repModeles_;
}

// The model load dialog starts among the shipped models and offers the
// pupil's folder beside them, once it exists.
QStringList FenetrePrincipale::DossiersModeles() const {
    QStringList dossiers{repModeles_};
    const QString eleve = RepModelesEleve();
    if (QFileInfo(eleve).isDir()) dossiers << eleve;
    return dossiers;
}
