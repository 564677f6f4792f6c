// SPDX-License-Identifier: GPL-3.0-or-later
// The "Exercice" menu: an exercise file opened as the model, the pupil's
// section checked against it (where and how it differs, the mark), the
// answer saved for the teacher; a damaged file refused with a message.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "banc.h"
#include "ordonner.h"
#include "vue_image.h"
#include "dessin/formations.h"
#include "dessin/images.h"
#include "section/legende_vue.h"
#include "section/exercice_session.h"

using Genre = FauxMessages::Genre;

namespace {

const section::Ligne kSed = section::Ligne(section::kLigneInitiale);

const section::Liste kListe{kSed, "Compression", "Erosion", kSed};
const std::string kTitre = "Le pli érodé";

QString DernierMessage(const Banc& b) { return b.f.messages.messages.empty() ? QString() : b.f.messages.messages.back().texte; }

}  // namespace

class TestExercices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ouvrirFaitDuModeleLaCible();
    void verifierDitOuEtCommentLaCoupeDiffere();
    void enregistrerLaReponse();
    void quitterProposeDEnregistrerLaReponse();
    void exerciceAbimeRefuse();
    void exerciceEnArgument();
    void creerUnExerciceDeLaCoupe();
    void creerUnExerciceIllisibleAvertit();
    void ordonnerLesCartesDeLExercice();
    void espaceEnseignantGardeSaFenetre();
};

void TestExercices::ouvrirFaitDuModeleLaCible() {
    Banc b;
    QVERIFY(!b.Action("Verifier1")->isEnabled());
    QVERIFY(!b.Action("Reponse1")->isEnabled());
    const auto* titre = b.w->findChild<QLabel*>(QStringLiteral("TitreExercice"));
    QVERIFY(titre && !titre->isVisibleTo(b.w.get()));
    b.Bouton("Sedim")->click();
    const QString chemin = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), kTitre);
    QVERIFY(!chemin.isEmpty());
    b.f.fichiers.Repondre(chemin);
    b.f.questions.reponses.push_back(Reponse::Non);  // the unsaved list may go
    b.Action("Ouvrirexercice1")->trigger();
    QVERIFY(b.w->exercice().has_value());
    QCOMPARE(b.w->imageModele(), dessin::VersImage(b.w->exercice()->cible));
    QCOMPARE(b.Liste(), QStringList{QStringLiteral("Sédimentation")});
    QVERIFY(b.Action("Verifier1")->isEnabled());
    QVERIFY(DernierMessage(b).contains(QStringLiteral("Le pli érodé")));
    // Named above the section once its message is closed.
    QVERIFY(titre->isVisibleTo(b.w.get()));
    QCOMPARE(titre->text(), QStringLiteral("Exercice : Le pli érodé"));
    // Press-to-compare shows the target, and the legend follows it.
    QVERIFY(b.w->findChild<VueImage*>(QStringLiteral("Visu"))->isEnabled());
    const QStringList eleve = b.w->LignesLegende();
    section::Session modele;
    modele.DefinirTextures(b.w->session().textures());
    QVERIFY(section::ChargerExercice(modele, *b.w->exercice()));
    b.w->MontrerModele(Qt::LeftButton);
    QCOMPARE(b.w->LignesLegende(), dessin::TextesLegende(modele));
    QVERIFY(b.w->LignesLegende() != eleve);
    // The pupil's formations take the model's letters by identity, and
    // each rock is drawn with its figuré.
    const std::vector<section::RangModele> rangs = section::RangsDesLettres(modele);
    QCOMPARE(b.w->session().LettresDuModele().size(), rangs.size());
    for (std::size_t i = 0; i < rangs.size(); ++i) {
        QVERIFY(b.w->session().LettresDuModele()[i].identite == rangs[i].identite);
        QCOMPARE(b.w->session().LettresDuModele()[i].rang, rangs[i].rang);
    }
    QVERIFY(b.Action("Roches1")->isChecked());
    b.w->MontrerCoupe();
    QCOMPARE(b.w->LignesLegende(), eleve);
}

void TestExercices::verifierDitOuEtCommentLaCoupeDiffere() {
    Banc b;
    b.f.fichiers.Repondre(EcrireExercice(b, kListe, QStringLiteral("pli.exo"), kTitre));
    b.Action("Ouvrirexercice1")->trigger();
    QVERIFY(b.w->exercice().has_value());
    auto* visu = b.w->findChild<VueImage*>(QStringLiteral("Visu"));

    b.Bouton("Plissa")->click();  // the layer on top is missing
    b.Action("Verifier1")->trigger();
    const QString avis = DernierMessage(b);
    QVERIFY2(avis.contains(QStringLiteral("pas encore celle du modèle")), qPrintable(avis));
    QVERIFY(!avis.contains(QStringLiteral("Note : 20/20")));
    QVERIFY(avis.contains(QStringLiteral("/20")));
    // Where it differs, over the view and not in it; the exercise shows
    // the rock view, opaque, and the marks half transparent over it.
    QVERIFY(b.Action("Roches1")->isChecked());
    QCOMPARE(visu->image(), dessin::VersImage(b.w->session().vue()));
    QVERIFY(!visu->surcouche().isNull());
    const auto marques = [&] {
        int n = 0;
        for (int y = 0; y < visu->surcouche().height(); ++y)
            for (int x = 0; x < visu->surcouche().width(); ++x) n += qAlpha(visu->surcouche().pixel(x, y)) == 170;
        return n;
    };
    QVERIFY(marques() > 0);
    // The next event takes the marks away.
    b.Bouton("Nivele")->click();
    QCOMPARE(marques(), 0);
    b.Action("Roches1")->trigger();  // the core's picture, nothing over it
    QVERIFY(visu->surcouche().isNull());
    b.Action("Roches1")->trigger();

    b.Bouton("Sedim")->click();
    b.Action("Verifier1")->trigger();
    QVERIFY2(DernierMessage(b).contains(QStringLiteral("Bravo")), qPrintable(DernierMessage(b)));
    QVERIFY(DernierMessage(b).contains(QStringLiteral("Note : 20/20")));
    QCOMPARE(marques(), 0);
}

void TestExercices::enregistrerLaReponse() {
    Banc b;
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), kTitre);
    b.f.fichiers.Repondre(exo);
    b.Action("Ouvrirexercice1")->trigger();
    b.Bouton("Plissa")->click();
    // No name: nothing is asked or written.
    b.f.questions.textes.push_back(std::nullopt);
    b.Action("Reponse1")->trigger();
    QVERIFY(b.f.fichiers.reponses.empty());
    const QString rep = b.Chemin(QStringLiteral("camille.rep"));
    b.f.questions.textes.push_back(QStringLiteral("  Camille  "));
    b.f.fichiers.Repondre(rep);
    b.Action("Reponse1")->trigger();
    section::Reponse r;
    QCOMPARE(QString::fromStdString(section::LireFichierReponse(dessin::OctetsDeChemin(rep), r)), QString());
    QCOMPARE(r.eleve, std::string("Camille"));
    QCOMPARE(r.exercice, section::EmpreinteExercice(*b.w->exercice()));
    QCOMPARE(r.lignes, b.w->session().liste());
    // Nothing checked yet, and the answer says so.
    QCOMPARE(r.verifications, std::optional<section::Verifications>(section::Verifications{0, 0}));
    QCOMPARE(b.w->findChild<QLabel*>(QStringLiteral("LigneEtat"))->toolTip(),
             QStringLiteral("Réponse enregistrée : %1").arg(QDir::toNativeSeparators(rep)));
    // Saved with the answer: leaving asks nothing.
    const int questions = static_cast<int>(b.f.questions.questions.size());
    b.w->close();
    QCOMPARE(static_cast<int>(b.f.questions.questions.size()), questions);
}

// Leaving, or opening another exercise, with an answer not saved offers to
// save the answer, not the list; "Annuler" or no name keeps everything.
void TestExercices::quitterProposeDEnregistrerLaReponse() {
    Banc b;
    b.w->show();
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), kTitre);
    b.f.fichiers.Repondre(exo);
    b.Action("Ouvrirexercice1")->trigger();
    b.Bouton("Plissa")->click();
    b.f.questions.reponses.push_back(Reponse::Oui);
    b.f.questions.textes.push_back(std::nullopt);  // the name asked, then not given
    QVERIFY(!b.w->close());
    QVERIFY(b.f.questions.questions.contains(QStringLiteral("Ta réponse à l'exercice n'a pas été enregistrée.\rVeux-tu l'enregistrer ?")));
    QVERIFY(b.f.fichiers.enregistrements.empty());
    // Another exercise: "Oui", a name and a file, then it opens.
    const QString rep = b.Chemin(QStringLiteral("lou.rep"));
    b.f.questions.reponses.push_back(Reponse::Oui);
    b.f.questions.textes.push_back(QStringLiteral("Lou"));
    b.f.fichiers.Repondre(exo);
    b.f.fichiers.Repondre(rep);
    b.Action("Ouvrirexercice1")->trigger();
    section::Reponse r;
    QCOMPARE(QString::fromStdString(section::LireFichierReponse(dessin::OctetsDeChemin(rep), r)), QString());
    QCOMPARE(r.eleve, std::string("Lou"));
    QCOMPARE(b.Liste(), QStringList{QStringLiteral("Sédimentation")});
}

void TestExercices::exerciceAbimeRefuse() {
    Banc b;
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), kTitre);
    QByteArray octets = Octets(exo);
    octets[octets.size() / 2] = static_cast<char>(octets[octets.size() / 2] ^ 0x55);
    const QString abime = b.Chemin(QStringLiteral("abime.exo"));
    QVERIFY(EcrireFichier(abime, octets));
    b.Bouton("Sedim")->click();
    b.f.fichiers.Repondre(abime);
    b.Action("Ouvrirexercice1")->trigger();
    QVERIFY(!b.w->exercice().has_value());
    QVERIFY(b.f.messages.messages.back().genre == Genre::Erreur);
    QVERIFY(DernierMessage(b).startsWith(QStringLiteral("Impossible d'ouvrir l'exercice")));
    // The pupil's section is left as it was.
    QCOMPARE(b.Liste().size(), 2);
    QVERIFY(!b.Action("Verifier1")->isEnabled());
}

// Double-clicked in the file manager: the program's argument.
void TestExercices::exerciceEnArgument() {
    Banc b;
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), kTitre);
    b.w->OuvrirArguments({b.executable, exo});
    QVERIFY(b.w->exercice().has_value());
    QCOMPARE(b.w->imageModele(), dessin::VersImage(b.w->exercice()->cible));
}

// The teacher's road: the section on screen becomes an exercise that a
// pupil then opens and solves.
void TestExercices::creerUnExerciceDeLaCoupe() {
    Banc b;
    b.Action("Creerexercice1")->trigger();  // a fresh section is no exercise
    QVERIFY(DernierMessage(b).contains(QStringLiteral("Applique d'abord")));
    QVERIFY(b.f.questions.questions.isEmpty());
    for (const char* bouton : {"Plissa", "Nivele", "Sedim"}) b.Bouton(bouton)->click();
    const section::Liste liste = b.w->session().liste();
    const section::Raster vue = b.w->session().vue();
    const QString exo = b.Chemin(QStringLiteral("pli.exo"));
    b.f.questions.textes.push_back(QStringLiteral("Un pli sous une discordance"));
    b.f.fichiers.Repondre(exo);
    b.Action("Creerexercice1")->trigger();
    section::Exercice e;
    QCOMPARE(QString::fromStdString(section::LireFichierExercice(dessin::OctetsDeChemin(exo), e)), QString());
    QCOMPARE(e.titre, std::string("Un pli sous une discordance"));
    QVERIFY(e.lignes == liste);
    QVERIFY(e.cible == vue);
    QCOMPARE(b.w->findChild<QLabel*>(QStringLiteral("LigneEtat"))->toolTip(),
             QStringLiteral("Exercice enregistré : %1").arg(QDir::toNativeSeparators(exo)));
    // A pupil opens it and rebuilds the section by clicking.
    Banc eleve;
    eleve.f.fichiers.Repondre(exo);
    eleve.Action("Ouvrirexercice1")->trigger();
    QVERIFY(eleve.w->exercice().has_value());
    for (const char* bouton : {"Plissa", "Nivele", "Sedim"}) eleve.Bouton(bouton)->click();
    eleve.Action("Verifier1")->trigger();
    QVERIFY(DernierMessage(eleve).contains(QStringLiteral("20/20")));
}

// A section whose picture does not give its order is saved as built, and
// the teacher is told which events the picture shows the other way round.
void TestExercices::creerUnExerciceIllisibleAvertit() {
    Banc b;
    for (const char* bouton : {"Sedim", "Granite", "Plissa", "Sedim"}) b.Bouton(bouton)->click();
    const QString exo = b.Chemin(QStringLiteral("granite.exo"));
    b.f.questions.textes.push_back(QStringLiteral("Un granite plissé ?"));
    b.f.fichiers.Repondre(exo);
    b.Action("Creerexercice1")->trigger();
    section::Exercice e;
    QCOMPARE(QString::fromStdString(section::LireFichierExercice(dessin::OctetsDeChemin(exo), e)), QString());
    QVERIFY(b.f.messages.messages.back().genre == Genre::Information);
    const QString avis = DernierMessage(b);
    QVERIFY2(avis.contains(QStringLiteral("est enregistré")) && avis.contains(QStringLiteral("Mise en place du granite")) &&
                 avis.contains(QStringLiteral("Plissement (compression)")),
             qPrintable(avis));
}

// The cards window opens on the exercise open, and a new exercise closes it.
void TestExercices::ordonnerLesCartesDeLExercice() {
    Banc b;
    QVERIFY(!b.Action("Ordonner1")->isEnabled());
    b.f.fichiers.Repondre(EcrireExercice(b, kListe, QStringLiteral("pli.exo"), kTitre));
    b.Action("Ouvrirexercice1")->trigger();
    QVERIFY(b.Action("Ordonner1")->isEnabled());
    b.Action("Ordonner1")->trigger();
    QPointer<QDialog> fenetre = b.w->fenetreOrdonner();
    QVERIFY(fenetre);
    QVERIFY(!fenetre->isModal());
    QCOMPARE(fenetre->windowTitle(), QStringLiteral("Ordonner les événements"));
    auto* cartes = fenetre->findChild<QListWidget*>(QStringLiteral("Cartes"));
    QVERIFY(cartes);
    QCOMPARE(cartes->count(), static_cast<int>(kListe.size()) - 1);
    // The pupil's own section is not touched by the cards.
    QCOMPARE(b.Liste(), QStringList{QStringLiteral("Sédimentation")});
    // An order checked belongs to the answer: leaving asks to save it, and
    // the answer file keeps it with its mark.
    // One card moved: the order is the pupil's (checked as dealt, it
    // would not be kept).
    auto* ordonner = qobject_cast<FenetreOrdonner*>(fenetre.data());
    ordonner->Verifier();  // as dealt: not kept, but counted
    cartes->setCurrentRow(1);
    fenetre->findChild<QPushButton*>(QStringLiteral("Monter"))->click();
    ordonner->Verifier();
    b.Action("Verifier1")->trigger();
    b.Action("Verifier1")->trigger();
    b.w->show();
    b.f.questions.reponses.push_back(Reponse::Annuler);
    QVERIFY(!b.w->close());
    const QString rep = b.Chemin(QStringLiteral("ordre.rep"));
    b.f.questions.textes.push_back(QStringLiteral("Lou"));
    b.f.fichiers.Repondre(rep);
    b.Action("Reponse1")->trigger();
    section::Reponse r;
    QCOMPARE(QString::fromStdString(section::LireFichierReponse(dessin::OctetsDeChemin(rep), r)), QString());
    QVERIFY(r.ordre.has_value());
    QCOMPARE(r.ordre->cartes, ordonner->ordre());
    QCOMPARE(r.ordre->note, ordonner->note());
    // Every check counts, the order's as dealt too.
    QCOMPARE(r.verifications, std::optional<section::Verifications>(section::Verifications{2, 2}));
    // On a shared computer the next answer does not offer the last name.
    QCOMPARE(b.f.questions.defauts.back(), QString());
    b.f.questions.textes.push_back(std::nullopt);
    b.Action("Reponse1")->trigger();
    QCOMPARE(b.f.questions.defauts.back(), QString());
    b.f.fichiers.Repondre(EcrireExercice(b, {kSed, "Distension"}, QStringLiteral("autre.exo"), kTitre));
    b.Action("Ouvrirexercice1")->trigger();
    QTRY_VERIFY(fenetre.isNull() || !fenetre->isVisible());
    // Another exercise counts from nothing.
    QCOMPARE(b.w->verifications(), section::Verifications{});
}

void TestExercices::espaceEnseignantGardeSaFenetre() {
    Banc b;
    b.Action("Espaceenseignant1")->trigger();
    QDialog* f = b.w->fenetreEnseignant();
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), QStringLiteral("Espace enseignant"));
    QVERIFY(!f->isModal());
    f->close();
    b.Action("Espaceenseignant1")->trigger();
    QCOMPARE(b.w->fenetreEnseignant(), f);  // the same window, with what was set in it
}

QTEST_MAIN(TestExercices)
#include "fenetre_exercices_test.moc"
