// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's work is not lost between two starts: the start-up step shows
// the warning first, then the file named or the kept work offered back
// ("Reprendre" / "Nouvelle coupe"); a damaged or foreign kept file is
// ignored; "Ordonner" reopens on the cards as the pupil left them; a saved
// answer is continued, its exercise found beside it, kept, open or chosen.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>

#include "banc.h"
#include "dessin/images.h"
#include "ordonner.h"
#include "section/exercice_session.h"
#include "section/ordre.h"
#include "section/travail_garde.h"

using Genre = FauxMessages::Genre;

namespace {

const section::Ligne kSed = section::Ligne(section::kLigneInitiale);
const section::Liste kListe{kSed, "Compression", "Erosion", kSed};
const section::Liste kAutre{kSed, "Distension"};
const QString kAvertissement = QStringLiteral(
    "Vous allez travailler dans le domaine sédimentaire uniquement.\r"
    "L'histoire géologique antérieure de la région ne sera pas prise\r"
    "en compte. L'influence des stuctures géologiques antérieures\r"
    "sera donc négligée");
const QString kPasEnregistree = QStringLiteral("Ta réponse à l'exercice n'a pas été enregistrée.\rVeux-tu l'enregistrer ?");
constexpr int kReprendre = 0;
constexpr int kNouvelleCoupe = 1;

// A second start of the program on the same application and data folders:
// the window made again, its work kept in `donnees`.
void Redemarrer(Banc& b, const QString& donnees, const QStringList& arguments = {}) {
    if (b.w) b.w->close();
    b.w.reset();
    b.f.messages.messages.clear();
    b.f.questions.questions.clear();
    b.Creer();
    b.w->GarderTravailDans(donnees);
    b.w->show();
    QSignalSpy demarre(b.w.get(), &FenetrePrincipale::Demarre);
    b.w->Commencer(QStringList{b.executable} + arguments);
    QCOMPARE(demarre.count(), 1);
}

std::uint64_t Empreinte(const QString& exo) {
    section::Exercice e;
    if (!section::LireFichierExercice(dessin::OctetsDeChemin(exo), e).empty()) return 0;
    return section::EmpreinteExercice(e);
}

QString EcrireReponse(const QString& chemin, std::uint64_t exercice, const section::Liste& lignes,
                      std::optional<section::OrdreDonne> ordre = {}) {
    section::Reponse r;
    r.eleve = "Inès";
    r.exercice = exercice;
    r.lignes = lignes;
    r.ordre = std::move(ordre);
    if (!section::EcrireFichierReponse(dessin::OctetsDeChemin(chemin), r).empty()) return {};
    return chemin;
}

// The fold exercise, chosen in « Ouvrir un exercice... ».
void OuvrirLePli(Banc& b) {
    b.f.fichiers.Repondre(EcrireExercice(b, kListe, QStringLiteral("pli.exo"), "Le pli"));
    b.Action("Ouvrirexercice1")->trigger();
}

FenetreOrdonner* Ordonner(Banc& b) {
    b.Action("Ordonner1")->trigger();
    return qobject_cast<FenetreOrdonner*>(b.w->fenetreOrdonner());
}

// The chosen card's principle, as the pupil picks it in the closed list.
void Justifier(FenetreOrdonner* o, int rang, section::PrincipeCite p) {
    o->findChild<QListWidget*>(QStringLiteral("Cartes"))->setCurrentRow(rang);
    auto* principe = o->findChild<QComboBox*>(QStringLiteral("Principe"));
    const int k = principe->findData(static_cast<int>(p));
    principe->setCurrentIndex(k);
    Q_EMIT principe->activated(k);
}

QString Resultat(FenetreOrdonner* o) { return o->findChild<QLabel*>(QStringLiteral("Resultat"))->text(); }

}  // namespace

class TestReprise : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void avertissementAvantLeFichierEtAucunClicPerdu();
    void ordonnerRouvreSurLesCartesPosees();
    void nouvelExerciceDistribueDeNouveau();
    void laGraineDesCartesSurvitAuRedemarrage();
    void travailEnregistreRevientAuDemarrage();
    void nouvelleCoupeOublieLeTravail();
    void coupeSansExerciceRevient();
    void travailGardeIllisibleIgnore_data();
    void travailGardeIllisibleIgnore();
    void fichierEnArgumentPasseAvant();
    void memeExerciceEnArgumentOffreSonTravail();
    void ouvrirUneReponse_data();
    void ouvrirUneReponse();
    void reponseAvecUnAutreExerciceRefusee();
    void reponseAbimeeRefusee();
    void reponseEnArgument();
    void reponseDeLExerciceGarde();

private:
    std::unique_ptr<QTemporaryDir> donnees_;
};

void TestReprise::init() { donnees_ = std::make_unique<QTemporaryDir>(); }

// Opened with a file, the warning comes before the file's message, and no
// box comes up later over the pupil's first clicks, whenever the window
// manager activates the window.
void TestReprise::avertissementAvantLeFichierEtAucunClicPerdu() {
    Banc b;
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), "Le pli");
    b.w->GarderTravailDans(donnees_->path());
    b.w->show();
    b.w->Commencer({b.executable, exo});
    QVERIFY(b.w->exercice().has_value());
    QCOMPARE(b.f.messages.messages.size(), std::size_t(2));
    QCOMPARE(b.f.messages.messages[0].texte, kAvertissement);
    QVERIFY(b.f.messages.messages[1].texte.startsWith(QStringLiteral("Exercice « Le pli »")));
    // The activation comes with the first click: nothing is queued for it.
    QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
    QTest::mouseClick(b.Bouton("Plissa"), Qt::LeftButton);
    b.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(b.w.get()));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QTest::mouseClick(b.Bouton("Nivele"), Qt::LeftButton);
    QTest::mouseClick(b.Bouton("Sedim"), Qt::LeftButton);
    QCOMPARE(b.Liste().size(), 4);
    QCOMPARE(b.f.messages.messages.size(), std::size_t(2));
    // A second call starts nothing again.
    b.w->Commencer({b.executable, exo});
    QCOMPARE(b.f.messages.Nombre(Genre::Information, kAvertissement), 1);
}

// Closed and opened again, "Ordonner" shows the cards and justifications
// as last given: checked (with the check shown again) or not.
void TestReprise::ordonnerRouvreSurLesCartesPosees() {
    Banc b;
    OuvrirLePli(b);
    FenetreOrdonner* o = Ordonner(b);
    QVERIFY(o);
    o->findChild<QListWidget*>(QStringLiteral("Cartes"))->setCurrentRow(2);
    o->Monter();
    Justifier(o, 1, section::PrincipeCite::Superposition);
    Justifier(o, 2, section::PrincipeCite::Recoupement);
    o->Verifier();
    const std::vector<int> verifie = o->ordre();
    const std::vector<section::Justification> justifications = o->justifications();
    const int note = o->note();
    const QString verdict = Resultat(o);
    QVERIFY(!verdict.isEmpty());
    o->close();
    QTRY_VERIFY(!b.w->fenetreOrdonner());
    o = Ordonner(b);
    QCOMPARE(o->ordre(), verifie);
    QVERIFY(o->justifications() == justifications);
    QCOMPARE(o->note(), note);
    QCOMPARE(Resultat(o), verdict);
    // Moved after the check, not checked again: back as moved, no verdict,
    // and the order checked is still the answer's.
    o->findChild<QListWidget*>(QStringLiteral("Cartes"))->setCurrentRow(0);
    o->Descendre();
    const std::vector<int> deplace = o->ordre();
    QVERIFY(deplace != verifie);
    o->close();
    QTRY_VERIFY(!b.w->fenetreOrdonner());
    o = Ordonner(b);
    QCOMPARE(o->ordre(), deplace);
    QCOMPARE(o->note(), -1);
    QVERIFY(Resultat(o).isEmpty());
    QCOMPARE(b.w->ordreDonne()->cartes, verifie);
}

void TestReprise::nouvelExerciceDistribueDeNouveau() {
    Banc b;
    OuvrirLePli(b);
    FenetreOrdonner* o = Ordonner(b);
    Justifier(o, 1, section::PrincipeCite::Superposition);
    QVERIFY(b.w->cartesPosees().has_value());
    b.f.questions.reponses.push_back(Reponse::Non);
    b.f.fichiers.Repondre(EcrireExercice(b, {kSed, kSed, "Distension", kSed}, QStringLiteral("faille.exo"), "La faille"));
    b.Action("Ouvrirexercice1")->trigger();
    QVERIFY(!b.w->cartesPosees().has_value());
    o = Ordonner(b);
    for (const section::Justification& j : o->justifications()) QCOMPARE(j.principe, section::PrincipeCite::Aucun);
}

// The cards are dealt from a seed drawn when the exercise is opened and kept
// with the work: started again and taken back, "Ordonner" deals the very
// cards it dealt before; another exercise opened draws another seed.
void TestReprise::laGraineDesCartesSurvitAuRedemarrage() {
    Banc b;
    Redemarrer(b, donnees_->path());
    const section::Liste cinq{kSed, kSed, "Compression", "Erosion", kSed, "Distension"};
    b.f.fichiers.Repondre(EcrireExercice(b, cinq, QStringLiteral("cinq.exo"), "Cinq cartes"));
    b.Action("Ouvrirexercice1")->trigger();
    QVERIFY(b.w->exercice().has_value());
    const std::uint32_t graine = b.w->graineDonne();
    FenetreOrdonner* o = Ordonner(b);
    QVERIFY(o);
    const std::vector<int> donne = o->ordre();
    QCOMPARE(donne.size(), std::size_t(5));
    // The first deal of the exercise is the pair (seed, 1).
    section::Session modele;
    modele.DefinirTextures(b.w->session().textures());
    QVERIFY(section::ChargerExercice(modele, *b.w->exercice()));
    std::vector<int> attendue;
    for (const section::Carte& c : section::CartesDuModele(modele, section::GraineDeLaDonne(graine, 1)))
        attendue.push_back(c.id);
    QCOMPARE(donne, attendue);
    o->close();
    QTRY_VERIFY(!b.w->fenetreOrdonner());

    b.f.questions.choix.push_back(kReprendre);
    Redemarrer(b, donnees_->path());
    QCOMPARE(b.f.questions.questions.size(), qsizetype(1));
    QCOMPARE(b.w->graineDonne(), graine);
    o = Ordonner(b);
    QVERIFY(o);
    QCOMPARE(o->ordre(), donne);
    o->close();
    QTRY_VERIFY(!b.w->fenetreOrdonner());

    // Another exercise, another seed.
    b.f.questions.reponses.push_back(Reponse::Non);
    b.f.fichiers.Repondre(EcrireExercice(b, kListe, QStringLiteral("pli.exo"), "Le pli"));
    b.Action("Ouvrirexercice1")->trigger();
    QCOMPARE(b.w->exercice()->titre, std::string("Le pli"));
    QVERIFY(b.w->graineDonne() != graine);
}

// Saved in an answer, then the program quit and started again: the work
// comes back offered, the exercise, the list, the order and the cards
// with it, and counts as saved.
void TestReprise::travailEnregistreRevientAuDemarrage() {
    Banc b;
    Redemarrer(b, donnees_->path());
    QVERIFY(b.f.questions.questions.isEmpty());  // nothing kept yet
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), "Le pli érodé");
    b.f.fichiers.Repondre(exo);
    b.Action("Ouvrirexercice1")->trigger();
    b.Bouton("Plissa")->click();
    b.Bouton("Nivele")->click();
    FenetreOrdonner* o = Ordonner(b);
    Justifier(o, 2, section::PrincipeCite::Superposition);
    o->Verifier();
    const section::OrdreDonne ordre = *b.w->ordreDonne();
    b.Action("Verifier1")->trigger();
    b.f.questions.textes.push_back(QStringLiteral("Inès"));
    b.f.fichiers.Repondre(b.Chemin(QStringLiteral("ines.rep")));
    QVERIFY(b.w->EnregistrerReponse());
    const section::Liste liste = b.w->session().liste();

    b.f.questions.choix.push_back(kReprendre);
    Redemarrer(b, donnees_->path());
    QCOMPARE(b.f.questions.questions,
             QStringList{QStringLiteral("Ton travail sur l'exercice « Le pli érodé » a été gardé : 2 événements après la "
                                        "couche de départ, et l'ordre des événements que tu as vérifié.\r"
                                        "Veux-tu le reprendre ?")});
    QCOMPARE(b.f.questions.boutonsProposes.back(), (QStringList{QStringLiteral("Reprendre"), QStringLiteral("Nouvelle coupe")}));
    QCOMPARE(b.f.messages.messages.front().texte, kAvertissement);  // the warning first
    QVERIFY(b.w->exercice().has_value());
    QCOMPARE(section::EmpreinteExercice(*b.w->exercice()), Empreinte(exo));
    QCOMPARE(b.w->imageModele(), dessin::VersImage(b.w->exercice()->cible));
    QVERIFY(b.w->session().liste() == liste);
    QVERIFY(b.w->ordreDonne() == ordre);  // its mark judged again
    QCOMPARE(b.w->cartesPosees()->cartes, ordre.cartes);
    // The checks counted so far come back too: a restart does not wipe them.
    QCOMPARE(b.w->verifications(), (section::Verifications{1, 1}));
    QVERIFY(!b.w->ModificationsNonEnregistrees());
    QVERIFY(b.w->close());
    QCOMPARE(b.f.questions.questions.size(), qsizetype(1));
    // The box closed without an answer loses nothing: the work comes back.
    b.f.questions.choix.push_back(-1);
    Redemarrer(b, donnees_->path());
    QCOMPARE(b.f.questions.questions.size(), qsizetype(1));
    QVERIFY(b.w->session().liste() == liste);
}

// "Nouvelle coupe": a blank section, and the kept work is forgotten: the
// next start offers nothing.
void TestReprise::nouvelleCoupeOublieLeTravail() {
    Banc b;
    Redemarrer(b, donnees_->path());
    OuvrirLePli(b);
    b.Bouton("Plissa")->click();
    b.f.questions.reponses.push_back(Reponse::Non);  // quit without saving
    b.f.questions.choix.push_back(kNouvelleCoupe);
    Redemarrer(b, donnees_->path());
    QCOMPARE(b.f.questions.questions.size(), qsizetype(1));
    QVERIFY(!b.w->exercice().has_value());
    QCOMPARE(b.Liste(), QStringList{QStringLiteral("Sédimentation")});
    Redemarrer(b, donnees_->path());
    QVERIFY(b.f.questions.questions.isEmpty());
    QCOMPARE(b.f.questions.sansReponse, 0);
}

// Without an exercise, the list comes back, not saved: leaving asks.
void TestReprise::coupeSansExerciceRevient() {
    Banc b;
    Redemarrer(b, donnees_->path());
    for (const char* bouton : {"Sedim", "Plissa", "Nivele"}) b.Bouton(bouton)->click();
    const section::Liste liste = b.w->session().liste();
    b.f.questions.reponses.push_back(Reponse::Non);  // quit without saving
    b.f.questions.choix.push_back(kReprendre);
    Redemarrer(b, donnees_->path());
    QCOMPARE(b.f.questions.questions,
             QStringList{QStringLiteral("La coupe commencée la dernière fois a été gardée : 3 événements après la couche "
                                        "de départ.\rVeux-tu la reprendre ?")});
    QVERIFY(b.w->session().liste() == liste);
    QVERIFY(!b.w->exercice().has_value());
    QVERIFY(b.w->ModificationsNonEnregistrees());
}

void TestReprise::travailGardeIllisibleIgnore_data() {
    QTest::addColumn<QByteArray>("travail");
    QTest::addColumn<QByteArray>("exercice");  // "" none; "autre" another exercise; "abime" a damaged one
    QTest::newRow("octets quelconques") << QByteArray("\x01\x02garbage\xFF", 11) << QByteArray();
    QTest::newRow("trop long") << QByteArray(3 * 1024 * 1024, 'S') << QByteArray();
    QTest::newRow("un fichier d'image") << QByteArray("BM\x36\x00\x00\x00", 6) << QByteArray();
    QTest::newRow("exercice remplacé") << QByteArray("garder") << QByteArray("autre");
    QTest::newRow("exercice abîmé") << QByteArray("garder") << QByteArray("abime");
}

// A kept file that is damaged, foreign, too long or does not match its
// exercise is left aside: no question, nothing taken back, no crash.
void TestReprise::travailGardeIllisibleIgnore() {
    QFETCH(QByteArray, travail);
    QFETCH(QByteArray, exercice);
    Banc b;
    const QDir donnees(donnees_->path());
    if (travail == "garder") {
        Redemarrer(b, donnees_->path());
        OuvrirLePli(b);
        b.Bouton("Plissa")->click();
        QVERIFY(QFileInfo::exists(donnees.filePath(QStringLiteral("exercice.exo"))));
    } else {
        QVERIFY(EcrireFichier(donnees.filePath(QStringLiteral("travail.txt")), travail));
    }
    if (exercice == "autre") {
        QVERIFY(EcrireFichier(donnees.filePath(QStringLiteral("exercice.exo")),
                              Octets(EcrireExercice(b, kAutre, QStringLiteral("autre.exo"), "Autre"))));
    } else if (exercice == "abime") {
        QByteArray octets = Octets(donnees.filePath(QStringLiteral("exercice.exo")));
        octets[octets.size() / 2] = static_cast<char>(octets[octets.size() / 2] ^ 0x55);
        QVERIFY(EcrireFichier(donnees.filePath(QStringLiteral("exercice.exo")), octets));
    }
    b.f.questions.reponses.push_back(Reponse::Non);
    Redemarrer(b, donnees_->path());
    QVERIFY(b.f.questions.questions.isEmpty());
    QVERIFY(!b.w->exercice().has_value());
    QCOMPARE(b.Liste(), QStringList{QStringLiteral("Sédimentation")});
    QCOMPARE(b.f.messages.messages.size(), std::size_t(1));  // the warning alone
}

// A file named on the command line wins: the kept work of another
// exercise is not offered, and stays kept while nothing is done.
void TestReprise::fichierEnArgumentPasseAvant() {
    Banc b;
    Redemarrer(b, donnees_->path());
    OuvrirLePli(b);
    b.Bouton("Plissa")->click();
    const QByteArray garde = Octets(QDir(donnees_->path()).filePath(QStringLiteral("travail.txt")));
    QVERIFY(!garde.isEmpty());
    const QString autre = EcrireExercice(b, kAutre, QStringLiteral("autre.exo"), "La faille");
    b.f.questions.reponses.push_back(Reponse::Non);
    Redemarrer(b, donnees_->path(), {autre});
    QVERIFY(b.f.questions.questions.isEmpty());
    QCOMPARE(b.f.messages.messages.size(), std::size_t(2));
    QCOMPARE(b.f.messages.messages[0].texte, kAvertissement);
    QVERIFY(b.f.messages.messages[1].texte.startsWith(QStringLiteral("Exercice « La faille »")));
    QCOMPARE(Octets(QDir(donnees_->path()).filePath(QStringLiteral("travail.txt"))), garde);
    // Work on the file's exercise is kept instead.
    b.Bouton("Casse")->click();
    QVERIFY(Octets(QDir(donnees_->path()).filePath(QStringLiteral("travail.txt"))) != garde);
}

// The kept exercise's own file opened again: its work is offered after it.
void TestReprise::memeExerciceEnArgumentOffreSonTravail() {
    Banc b;
    Redemarrer(b, donnees_->path());
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), "Le pli");
    b.f.fichiers.Repondre(exo);
    b.Action("Ouvrirexercice1")->trigger();
    b.Bouton("Plissa")->click();
    const section::Liste liste = b.w->session().liste();
    b.f.questions.reponses.push_back(Reponse::Non);
    b.f.questions.choix.push_back(kReprendre);
    Redemarrer(b, donnees_->path(), {exo});
    QCOMPARE(b.f.questions.questions.size(), qsizetype(1));
    QCOMPARE(b.f.messages.messages[0].texte, kAvertissement);
    QVERIFY(b.w->session().liste() == liste);
}

// Where the answer's exercise is found: the one open, one beside the
// answer, else the one the pupil chooses.
void TestReprise::ouvrirUneReponse_data() {
    QTest::addColumn<QString>("ou");
    QTest::newRow("exercice ouvert") << QStringLiteral("ouvert");
    QTest::newRow("exercice à côté") << QStringLiteral("voisin");
    QTest::newRow("exercice choisi") << QStringLiteral("choisi");
}

void TestReprise::ouvrirUneReponse() {
    QFETCH(QString, ou);
    Banc b;
    QVERIFY(QDir(b.dossier.path()).mkpath(QStringLiteral("classe/rendus")));
    const QString exo = EcrireExercice(b, kListe, ou == QLatin1String("voisin") ? QStringLiteral("classe/rendus/pli.exo")
                                                                               : QStringLiteral("classe/pli.exo"),
                                       "Le pli");
    const section::Liste eleve{kSed, "Compression"};
    const section::OrdreDonne ordre{{3, 1, 2}, {{}, {section::PrincipeCite::Superposition, 3}, {}}, 7};
    const QString rep = EcrireReponse(b.Chemin(QStringLiteral("classe/rendus/ines.rep")), Empreinte(exo), eleve, ordre);
    QVERIFY(!rep.isEmpty());
    if (ou == QLatin1String("ouvert")) {
        b.f.fichiers.Repondre(exo);
        b.Action("Ouvrirexercice1")->trigger();
    }
    b.f.fichiers.Repondre(rep);
    if (ou == QLatin1String("choisi")) b.f.fichiers.Repondre(exo);
    b.Action("Ouvrirreponse1")->trigger();
    QCOMPARE(b.f.fichiers.ouvertures.back().titre,
             ou == QLatin1String("choisi") ? QStringLiteral("Choisis l'exercice de cette réponse")
                                           : QStringLiteral("Ouvrir une réponse"));
    QVERIFY(b.w->exercice().has_value());
    QCOMPARE(section::EmpreinteExercice(*b.w->exercice()), Empreinte(exo));
    QVERIFY(b.w->session().liste() == eleve);
    QVERIFY(b.w->ordreDonne() == ordre);
    QCOMPARE(b.f.messages.messages.back().texte,
             QStringLiteral("Réponse de Inès à l'exercice « Le pli » : tu peux continuer ta coupe et ton ordre des "
                            "événements."));
    // Saved as it stands: nothing asked on leaving; the name offered next.
    QVERIFY(!b.w->ModificationsNonEnregistrees());
    FenetreOrdonner* o = Ordonner(b);
    QCOMPARE(o->ordre(), ordre.cartes);
    QVERIFY(o->justifications() == ordre.justifications);
    b.f.questions.textes.push_back(std::nullopt);
    b.Action("Reponse1")->trigger();
    QCOMPARE(b.f.questions.defauts.back(), QStringLiteral("Inès"));
}

void TestReprise::reponseAvecUnAutreExerciceRefusee() {
    Banc b;
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), "Le pli");
    const QString autre = EcrireExercice(b, kAutre, QStringLiteral("autre.exo"), "Autre");
    QVERIFY(QDir(b.dossier.path()).mkpath(QStringLiteral("rendus")));
    const QString rep = EcrireReponse(b.Chemin(QStringLiteral("rendus/ines.rep")), Empreinte(exo), {kSed, "Erosion"});
    QVERIFY(QFile::remove(exo));
    b.Bouton("Sedim")->click();
    b.f.fichiers.Repondre(rep);
    b.f.fichiers.Repondre(autre);
    b.Action("Ouvrirreponse1")->trigger();
    QCOMPARE(b.f.messages.messages.back().genre, Genre::Erreur);
    QCOMPARE(b.f.messages.messages.back().texte,
             QStringLiteral("L'exercice %1 n'est pas celui de la réponse %2 : choisis l'exercice que tu as fait pour "
                            "cette réponse.")
                 .arg(QDir::toNativeSeparators(autre), QDir::toNativeSeparators(rep)));
    QVERIFY(!b.w->exercice().has_value());
    QCOMPARE(b.Liste().size(), 2);  // the pupil's section as it was
    // Cancelling the choice says nothing and changes nothing.
    const std::size_t messages = b.f.messages.messages.size();
    b.f.fichiers.Repondre(rep);
    b.f.fichiers.Annuler();
    b.Action("Ouvrirreponse1")->trigger();
    QCOMPARE(b.f.messages.messages.size(), messages);
    QCOMPARE(b.Liste().size(), 2);
}

void TestReprise::reponseAbimeeRefusee() {
    Banc b;
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), "Le pli");
    const QString rep = EcrireReponse(b.Chemin(QStringLiteral("ines.rep")), Empreinte(exo), {kSed, "Erosion"});
    QByteArray octets = Octets(rep);
    octets.chop(1);
    QVERIFY(EcrireFichier(rep, octets));
    b.f.fichiers.Repondre(rep);
    b.Action("Ouvrirreponse1")->trigger();
    QCOMPARE(b.f.messages.messages.back().genre, Genre::Erreur);
    QVERIFY(b.f.messages.messages.back().texte.startsWith(
        QStringLiteral("Impossible d'ouvrir la réponse %1 : ").arg(QDir::toNativeSeparators(rep))));
    QVERIFY(!b.w->exercice().has_value());
}

// A double click on an answer file: the program's argument.
void TestReprise::reponseEnArgument() {
    Banc b;
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), "Le pli");
    const QString rep = EcrireReponse(b.Chemin(QStringLiteral("ines.rep")), Empreinte(exo), {kSed, "Erosion"});
    Redemarrer(b, donnees_->path(), {rep});
    QCOMPARE(b.f.messages.messages.front().texte, kAvertissement);
    QVERIFY(b.w->exercice().has_value());
    QCOMPARE(b.Liste(), (QStringList{QStringLiteral("Sédimentation"), QStringLiteral("Erosion")}));
}

// The exercise kept by the window serves an answer found far from it.
void TestReprise::reponseDeLExerciceGarde() {
    Banc b;
    Redemarrer(b, donnees_->path());
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), "Le pli");
    b.f.fichiers.Repondre(exo);
    b.Action("Ouvrirexercice1")->trigger();
    const QString rep = EcrireReponse(b.Chemin(QStringLiteral("ines.rep")), Empreinte(exo), {kSed, "Erosion"});
    QVERIFY(QFile::remove(exo));
    b.f.questions.choix.push_back(kNouvelleCoupe);
    Redemarrer(b, donnees_->path());
    QVERIFY(!b.w->exercice().has_value());
    b.f.fichiers.Repondre(rep);
    b.Action("Ouvrirreponse1")->trigger();
    QVERIFY(b.w->exercice().has_value());
    QCOMPARE(b.f.fichiers.ouvertures.size(), std::size_t(2));  // no exercise asked for
}

QTEST_MAIN(TestReprise)
#include "fenetre_reprise_test.moc"
