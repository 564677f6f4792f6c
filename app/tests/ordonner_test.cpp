// SPDX-License-Identifier: GPL-3.0-or-later
// "Ordonner les événements" on the shipped textures: the cards are the
// exercise's events, shuffled; the model's order is right and a wrong one
// names a pair; the buttons and Alt+Up / Alt+Down move the chosen card;
// the section shown is the model's view with its letters; nothing shown
// gives away the answer.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <algorithm>

#include "dessin/formations.h"
#include "section/ordre.h"
#include "section/textes.h"
#include "section/exercice_session.h"
#include "ordonner.h"
#include "textures_essai.h"

namespace {

const section::Ligne kSed(section::kLigneInitiale);
// Three layers, a normal fault through them, a layer over it all.
const section::Liste kFailleRecouverte{kSed, kSed, kSed, "Distension", kSed};
// Folded layers, eroded, then a layer on the cut.
const section::Liste kPlisErodes{kSed, kSed, kSed, "Compression", "Erosion", kSed};

std::optional<section::Textures> Textures() {
    if (std::optional<section::Textures> t = section::test::TexturesLivrees()) return t;
    return section::test::TexturesDe(qEnvironmentVariable("STRATALOOM_DATA").toStdString() + "/Base");
}

section::Exercice ExerciceDe(const section::Textures& t, const section::Liste& lignes) {
    section::Session s;
    s.DefinirTextures(t);
    s.Charger(lignes);
    return {"Essai", lignes, s.vue()};
}

QListWidget* Cartes(const FenetreOrdonner& w) { return w.findChild<QListWidget*>(QStringLiteral("Cartes")); }
QPushButton* Bouton(const FenetreOrdonner& w, const char* nom) {
    return w.findChild<QPushButton*>(QLatin1String(nom));
}
QLabel* Etiquette(const FenetreOrdonner& w, const char* nom) { return w.findChild<QLabel*>(QLatin1String(nom)); }

// Puts the cards in the order of `ids` with the buttons only: the wanted
// card is chosen, then raised to its place.
void Ranger(FenetreOrdonner& w, const std::vector<int>& ids) {
    QListWidget* l = Cartes(w);
    for (int place = 0; place < static_cast<int>(ids.size()); ++place) {
        const std::vector<int> o = w.ordre();
        const int ou = static_cast<int>(std::find(o.begin(), o.end(), ids[place]) - o.begin());
        l->setCurrentRow(ou);
        for (int i = ou; i > place; --i) Bouton(w, "Monter")->click();
    }
}

std::vector<int> Trie(std::vector<int> v) {
    std::sort(v.begin(), v.end());
    return v;
}

// Every text the window shows or gives to a screen reader.
QStringList TextesDe(const FenetreOrdonner& w) {
    QStringList t{w.windowTitle()};
    for (const QWidget* c : w.findChildren<QWidget*>()) {
        t << c->accessibleName() << c->accessibleDescription() << c->toolTip();
        if (const auto* e = qobject_cast<const QLabel*>(c)) t << e->text();
        if (const auto* b = qobject_cast<const QAbstractButton*>(c)) t << b->text();
    }
    const QListWidget* l = Cartes(w);
    for (int i = 0; i < l->count(); ++i) t << l->item(i)->text() << l->item(i)->toolTip();
    return t;
}

}  // namespace

class TestOrdonner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void lesCartesSontLesEvenementsMelanges();
    void lOrdreDuModeleEstJuste();
    void unMauvaisOrdreNommeUnePaire();
    void lesBoutonsEtLeClavierDeplacentLaCarte();
    void unGlisserDeposeChangeLOrdre();
    void laCoupeEstLaVueDuModeleAvecSesLettres();
    void rienNeDonneLaReponse();
    void chaqueControleAUnNom();
    void justifierAuClavierSeul();
    void verifierSansRienToucherNeDonnePasDOrdre();

private:
    section::Textures t_;
};

void TestOrdonner::initTestCase() {
    const std::optional<section::Textures> t = Textures();
    QVERIFY2(t.has_value(), "pas de dossier Base : ni à côté du test, ni dans STRATALOOM_DATA");
    t_ = *t;
}

void TestOrdonner::lesCartesSontLesEvenementsMelanges() {
    for (std::uint64_t graine : {1u, 2u, 7u, 12345u}) {
        FenetreOrdonner w(ExerciceDe(t_, kPlisErodes), t_, graine);
        QVERIFY(w.memesTextures());
        QCOMPARE(w.windowTitle(), QStringLiteral("Ordonner les événements"));
        const std::vector<int> o = w.ordre();
        QCOMPARE(Trie(o), (std::vector<int>{1, 2, 3, 4, 5}));
        QVERIFY2(!std::is_sorted(o.begin(), o.end()), qPrintable(QString::number(graine)));
        // The names are the engine's, card for card.
        const std::vector<section::Carte> cartes = section::CartesDuModele(w.modele(), graine);
        QCOMPARE(Cartes(w)->count(), static_cast<int>(cartes.size()));
        for (int i = 0; i < Cartes(w)->count(); ++i) {
            QCOMPARE(o[static_cast<std::size_t>(i)], cartes[static_cast<std::size_t>(i)].id);
            QCOMPARE(Cartes(w)->item(i)->text(), QString::fromStdString(cartes[static_cast<std::size_t>(i)].nom));
        }
        QVERIFY(Cartes(w)->findItems(QStringLiteral("Érosion"), Qt::MatchExactly).size() == 1);
        QVERIFY(!Cartes(w)->findItems(QStringLiteral("Dépôt de la couche "), Qt::MatchStartsWith).isEmpty());
    }
}

void TestOrdonner::lOrdreDuModeleEstJuste() {
    FenetreOrdonner w(ExerciceDe(t_, kPlisErodes), t_, 7);
    Ranger(w, {1, 2, 3, 4, 5});
    QCOMPARE(w.ordre(), (std::vector<int>{1, 2, 3, 4, 5}));
    QCOMPARE(section::ListeDesCartes(w.modele(), w.ordre()), kPlisErodes);
    QVERIFY(Etiquette(w, "Resultat")->text().isEmpty());
    Bouton(w, "Verifier")->click();
    QVERIFY(w.verification().juste);
    QVERIFY(w.verification().complet);
    QVERIFY(Etiquette(w, "Resultat")->text().startsWith(QStringLiteral("Bravo")));
    QCOMPARE(Etiquette(w, "Resultat")->text().section(QLatin1Char('\n'), 0, 0), QString::fromStdString(w.verification().texte));
    // Moving a card again puts the sentence out of date.
    Cartes(w)->setCurrentRow(0);
    Bouton(w, "Descendre")->click();
    QCOMPARE(w.ordre(), (std::vector<int>{2, 1, 3, 4, 5}));
    QVERIFY(Etiquette(w, "Resultat")->text().isEmpty());
    QVERIFY(!w.verification().juste);
}

void TestOrdonner::unMauvaisOrdreNommeUnePaire() {
    FenetreOrdonner w(ExerciceDe(t_, kFailleRecouverte), t_, 3);
    // The fault put before the layers it cuts.
    Ranger(w, {3, 1, 2, 4});
    Bouton(w, "Verifier")->click();
    const section::VerificationOrdre& v = w.verification();
    QVERIFY(!v.juste);
    QVERIFY(v.complet);
    QCOMPARE(v.apres, 3);
    QCOMPARE(v.principe, section::Principe::Recoupement);
    const QString texte = Etiquette(w, "Resultat")->text().section(QLatin1Char('\n'), 0, 0);
    QCOMPARE(texte, QString::fromStdString(v.texte));
    QVERIFY2(texte.contains(QStringLiteral("principe de recoupement")), qPrintable(texte));
    QVERIFY2(texte.contains(QStringLiteral("Faille normale")), qPrintable(texte));
    QVERIFY2(!texte.startsWith(QStringLiteral("Bravo")), qPrintable(texte));
}

void TestOrdonner::lesBoutonsEtLeClavierDeplacentLaCarte() {
    FenetreOrdonner w(ExerciceDe(t_, kPlisErodes), t_, 7);
    QListWidget* l = Cartes(w);
    const std::vector<int> depart = w.ordre();
    std::vector<int> echange = depart;
    std::swap(echange[1], echange[2]);

    l->setCurrentRow(1);
    Bouton(w, "Descendre")->click();
    QCOMPARE(w.ordre(), echange);
    QCOMPARE(l->currentRow(), 2);  // the card stays chosen
    Bouton(w, "Monter")->click();
    QCOMPARE(w.ordre(), depart);
    QCOMPARE(l->currentRow(), 1);

    QTest::keyClick(l, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(w.ordre(), echange);
    QCOMPARE(l->currentRow(), 2);
    QTest::keyClick(l, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(w.ordre(), depart);
    // Up alone only moves the choice.
    QTest::keyClick(l, Qt::Key_Up);
    QCOMPARE(w.ordre(), depart);
    QCOMPARE(l->currentRow(), 0);

    // Nothing moves past either end.
    Bouton(w, "Monter")->click();
    QTest::keyClick(l, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(w.ordre(), depart);
    l->setCurrentRow(l->count() - 1);
    Bouton(w, "Descendre")->click();
    QTest::keyClick(l, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(w.ordre(), depart);
}

void TestOrdonner::unGlisserDeposeChangeLOrdre() {
    FenetreOrdonner w(ExerciceDe(t_, kPlisErodes), t_, 7);
    QListWidget* l = Cartes(w);
    QCOMPARE(l->dragDropMode(), QAbstractItemView::InternalMove);
    QCOMPARE(l->defaultDropAction(), Qt::MoveAction);
    Bouton(w, "Verifier")->click();
    QVERIFY(!Etiquette(w, "Resultat")->text().isEmpty());
    // What a drop of the first card below the last does to the model.
    std::vector<int> attendu = w.ordre();
    std::rotate(attendu.begin(), attendu.begin() + 1, attendu.end());
    QVERIFY(l->model()->moveRow(QModelIndex(), 0, QModelIndex(), l->count()));
    QCOMPARE(w.ordre(), attendu);
    QVERIFY(Etiquette(w, "Resultat")->text().isEmpty());
}

void TestOrdonner::laCoupeEstLaVueDuModeleAvecSesLettres() {
    const section::Exercice e = ExerciceDe(t_, kFailleRecouverte);
    FenetreOrdonner w(e, t_, 1);
    section::Session modele;
    modele.DefinirTextures(t_);
    QVERIFY(section::ChargerExercice(modele, e));
    dessin::Affichage a;
    a.lettres = true;
    const QImage attendue = dessin::VueAnnotee(modele, a);
    QCOMPARE(w.image(), attendue);
    const QLabel* coupe = Etiquette(w, "Coupe");
    QVERIFY(coupe);
    QCOMPARE(coupe->pixmap().toImage().convertToFormat(attendue.format()), attendue);
    // Letters on: not the bare view.
    dessin::Affichage nue;
    nue.lettres = false;
    QVERIFY(w.image() != dessin::VueAnnotee(modele, nue));
    // The legend below it, by letter.
    const QLabel* legende = Etiquette(w, "Legende");
    QVERIFY(legende);
    QVERIFY(!legende->pixmap().isNull());
    QVERIFY(!dessin::TextesLegende(modele).isEmpty());
    QCOMPARE(legende->accessibleDescription(), dessin::TextesLegende(modele).join(QLatin1Char('\n')));
    // With the window's rock view, the section is the model's rock view and
    // the legend's swatches its figurés.
    FenetreOrdonner roches(e, t_, 1, nullptr, std::nullopt, false, true);
    a.roches = true;
    QCOMPARE(roches.image(), dessin::VueAnnotee(modele, a));
    QVERIFY(roches.image() != w.image());
    QVERIFY(Etiquette(roches, "Legende")->pixmap().toImage() != legende->pixmap().toImage());
}

void TestOrdonner::rienNeDonneLaReponse() {
    for (const section::Liste& lignes : {kPlisErodes, kFailleRecouverte}) {
        FenetreOrdonner w(ExerciceDe(t_, lignes), t_, 5);
        const auto verifierTextes = [&w] {
            // A structure's label (F1, S2) is a name, not a rank; the order's mark is the only number shown.
            const QRegularExpression chiffre(QStringLiteral("(?<![FTS])\\d"));
            const QString note = QString::fromStdString(section::TexteNoteOrdre(w.note()));
            // Nor is the count of misjustified steps: it says how many, not which.
            QStringList morceaux = QString::fromStdString(
                section::Texte("Justifications", "Étapes mal justifiées : %1. La première :")).split(QStringLiteral("%1"));
            for (QString& m : morceaux) m = QRegularExpression::escape(m);
            const QRegularExpression compte(morceaux.join(QStringLiteral("\\d+")));
            for (QString t : TextesDe(w))
                QVERIFY2(!t.remove(note).remove(compte).contains(chiffre), qPrintable(t));
        };
        verifierTextes();
        Bouton(w, "Verifier")->click();  // a wrong order's sentence
        QVERIFY(!w.verification().juste);
        verifierTextes();
        // Nor does any card carry its id where a reader could find it.
        const QListWidget* l = Cartes(w);
        for (int i = 0; i < l->count(); ++i) {
            QVERIFY(l->item(i)->data(Qt::ToolTipRole).toString().isEmpty());
            QVERIFY(l->item(i)->data(Qt::AccessibleTextRole).toString().isEmpty() ||
                    l->item(i)->data(Qt::AccessibleTextRole).toString() == l->item(i)->text());
        }
    }
}

void TestOrdonner::chaqueControleAUnNom() {
    FenetreOrdonner w(ExerciceDe(t_, kPlisErodes), t_, 5);
    QVERIFY(!w.isModal());
    for (const char* nom : {"Monter", "Descendre", "Verifier", "Fermer"}) {
        QVERIFY2(Bouton(w, nom), nom);
        QVERIFY2(!Bouton(w, nom)->accessibleName().isEmpty(), nom);
    }
    QVERIFY(!Cartes(w)->accessibleName().isEmpty());
    for (const char* nom : {"Coupe", "Legende", "Resultat"}) QVERIFY2(!Etiquette(w, nom)->accessibleName().isEmpty(), nom);
    w.show();
    Bouton(w, "Fermer")->click();
    QVERIFY(!w.isVisible());
}

// The discordance exercise ordered and justified with the keyboard alone:
// Alt+Up to move, Tab to the two lists, arrows to choose. Justifications
// follow their cards; all right gives 20, one wrong principle less.
void TestOrdonner::justifierAuClavierSeul() {
    FenetreOrdonner w(ExerciceDe(t_, kPlisErodes), t_, 7);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QListWidget* l = Cartes(w);
    l->setFocus();
    for (int place = 0; place < l->count(); ++place) {
        const std::vector<int> o = w.ordre();
        const int ou = static_cast<int>(std::find(o.begin(), o.end(), place + 1) - o.begin());
        l->setCurrentRow(ou);
        for (int i = ou; i > place; --i) QTest::keyClick(l, Qt::Key_Up, Qt::AltModifier);
    }
    QCOMPARE(w.ordre(), (std::vector<int>{1, 2, 3, 4, 5}));
    auto* principe = w.findChild<QComboBox*>(QStringLiteral("Principe"));
    auto* temoin = w.findChild<QComboBox*>(QStringLiteral("Temoin"));
    QVERIFY(principe && temoin);
    l->setCurrentRow(0);
    QVERIFY(!principe->isEnabled());  // the oldest card needs none
    // Chooses `donnee` in a closed list with the arrow keys only.
    const auto choisir = [](QComboBox* c, int donnee) {
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Home);
        for (int i = 0; i < c->count() && c->currentData().toInt() != donnee; ++i) QTest::keyClick(c, Qt::Key_Down);
        QCOMPARE(c->currentData().toInt(), donnee);
    };
    const section::Chronologie c = section::LireChronologie(w.modele());
    for (int rang = 1; rang < 5; ++rang) {
        l->setCurrentRow(rang);
        section::Justification j;
        for (const section::Relation& r : c.relations)
            if (r.recent == rang + 1 && r.ancien <= rang) j = {section::PrincipeDe(r.principe), r.ancien};
        QVERIFY2(j.temoin >= 0, qPrintable(QString::number(rang)));
        choisir(principe, static_cast<int>(j.principe));
        choisir(temoin, j.temoin);
        QVERIFY2(l->item(rang)->text().contains(QStringLiteral(" \u2014 ")), qPrintable(l->item(rang)->text()));
    }
    Bouton(w, "Verifier")->click();
    QCOMPARE(w.note(), 20);
    QVERIFY(Etiquette(w, "Resultat")->text().endsWith(QStringLiteral("Note de l'ordre : 20/20")));
    // A wrong principle for the last card costs its share.
    l->setCurrentRow(4);
    choisir(principe, static_cast<int>(section::PrincipeCite::Inclusion));
    QCOMPARE(w.note(), -1);  // out of date until checked again
    Bouton(w, "Verifier")->click();
    QCOMPARE(w.avis().back().avis, section::Avis::MauvaisPrincipe);
    QCOMPARE(w.note(), 18);
    // The picture of the README and the help, when asked for.
    if (const QString image = qEnvironmentVariable("STRATALOOM_CAPTURE_ORDONNER"); !image.isEmpty())
        QVERIFY(w.grab().save(image));
    // Justifications follow their cards when the order changes.
    l->setCurrentRow(4);
    QTest::keyClick(l, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(w.justifications()[3].principe, section::PrincipeCite::Inclusion);
}

QTEST_MAIN(TestOrdonner)
// « Vérifier » on the cards as dealt, nothing chosen: the pupil reads the
// verdict, but no order is given to keep with the work or to mark; one
// card moved gives it.
void TestOrdonner::verifierSansRienToucherNeDonnePasDOrdre() {
    FenetreOrdonner w(ExerciceDe(t_, kPlisErodes), t_, 7);
    QSignalSpy donnes(&w, &FenetreOrdonner::OrdreVerifie);
    Bouton(w, "Verifier")->click();
    QVERIFY(!Etiquette(w, "Resultat")->text().isEmpty());
    QCOMPARE(donnes.count(), 0);
    Cartes(w)->setCurrentRow(1);
    Bouton(w, "Monter")->click();
    Bouton(w, "Verifier")->click();
    QCOMPARE(donnes.count(), 1);
    QCOMPARE(donnes.at(0).at(0).value<section::OrdreDonne>().cartes, w.ordre());
}

#include "ordonner_test.moc"
