// SPDX-License-Identifier: GPL-3.0-or-later
// The window in English: chosen only for an English system, every caption,
// tooltip, accessible text and message translated but the list's lines,
// and the list files still written with their French words.
#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QFileIconProvider>
#include <QTemporaryDir>
#include <QtTest>

#include "banc.h"
#include "vue_image.h"
#include "dessin/images.h"
#include "langue.h"
#include "section/exercice.h"

namespace {

const section::Ligne kSed = section::Ligne(section::kLigneInitiale);

QString DossierTraductions() {
    return DossierTraductionsDe(qEnvironmentVariable("STRATALOOM_DATA"));
}

// French left in a text: accented letters, French quotation marks, or one
// of the little words English never uses.
bool ResteDuFrancais(const QString& texte) {
    static const QRegularExpression accents(QStringLiteral("[éèêëàâçùûôîœÉÈÊÀÇ«»]"));
    static const QRegularExpression mots(
        QStringLiteral("\\b(le|la|les|des|du|une|et|est|pour|dans|sur|aucun|aucune|ta|ton|tes|pas|avec|ou|"
                       "au|aux|cette|ce|son|sa|ses|en|vers|mais|donc|ne|qui|que|peut)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return accents.match(texte).hasMatch() || mots.match(texte).hasMatch();
}

QString SansBalises(const QString& t) {
    return Qt::mightBeRichText(t) ? QTextDocumentFragment::fromHtml(t).toPlainText() : t;
}

// Every text a user can see or hear in `racine` and below, with where it
// was found; the event list's lines are left out, as is the view's picture.
QStringList Textes(QWidget* racine) {
    QStringList t;
    auto ajouter = [&t](const QObject* o, const char* quoi, const QString& texte) {
        const QString clair = SansBalises(texte).trimmed();
        if (!clair.isEmpty()) t << QStringLiteral("%1.%2 = %3").arg(o->objectName(), QLatin1String(quoi), clair);
    };
    QList<QWidget*> widgets = racine->findChildren<QWidget*>();
    widgets.prepend(racine);
    for (QWidget* w : widgets) {
        ajouter(w, "titre", w->isWindow() ? w->windowTitle() : QString());
        ajouter(w, "bulle", w->toolTip());
        ajouter(w, "statut", w->statusTip());
        if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w)) {
            ajouter(w, "nom", i->text(QAccessible::Name));
            ajouter(w, "description", i->text(QAccessible::Description));
        }
        if (auto* b = qobject_cast<QAbstractButton*>(w)) ajouter(w, "texte", b->text());
        if (auto* l = qobject_cast<QLabel*>(w)) ajouter(w, "texte", l->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) ajouter(w, "titre", g->title());
        if (auto* e = qobject_cast<QLineEdit*>(w)) ajouter(w, "exemple", e->placeholderText());
        if (auto* m = qobject_cast<QMenu*>(w)) ajouter(w, "titre", m->title());
        if (auto* s = qobject_cast<QSpinBox*>(w)) ajouter(w, "suffixe", s->suffix() + s->prefix());
        if (auto* o = qobject_cast<QTabWidget*>(w))
            for (int k = 0; k < o->count(); ++k) ajouter(w, "onglet", o->tabText(k));
        if (auto* table = qobject_cast<QTableWidget*>(w))
            for (int k = 0; k < table->columnCount(); ++k)
                if (table->horizontalHeaderItem(k)) ajouter(w, "colonne", table->horizontalHeaderItem(k)->text());
        if (auto* l = qobject_cast<QListWidget*>(w); l && l->objectName() != QLatin1String("ListBox1"))
            for (int k = 0; k < l->count(); ++k) ajouter(w, "element", l->item(k)->text());
        for (QAction* a : w->actions()) {
            ajouter(a, "texte", a->text());
            ajouter(a, "bulle", a->toolTip());
            ajouter(a, "statut", a->statusTip());
        }
    }
    return t;
}

QStringList Francais(const QStringList& textes) {
    QStringList restes;
    for (const QString& t : textes)
        if (ResteDuFrancais(t.section(QStringLiteral(" = "), 1))) restes << t;
    return restes;
}

}  // namespace

class TestAnglais : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void langueDuSysteme();
    void sansTraductionLisibleToutResteFrancais();
    void fenetreToutEnAnglais();
    void fenetresSecondairesEnAnglais();
    void repriseEnAnglais();
    void listesToujoursEnMotsFrancais();
    void cleanup() { traductions_.reset(); }

private:
    void Anglais() {
        traductions_ = std::make_unique<Traductions>();
        QVERIFY(traductions_->Installer(Langue::Anglais, DossierTraductions()));
        QCOMPARE(LangueActive(), Langue::Anglais);
    }
    std::unique_ptr<Traductions> traductions_;
};

void TestAnglais::langueDuSysteme() {
    QCOMPARE(LangueDe({QStringLiteral("en-GB"), QStringLiteral("fr-FR")}), Langue::Anglais);
    QCOMPARE(LangueDe({QStringLiteral("en_US")}), Langue::Anglais);
    QCOMPARE(LangueDe({QStringLiteral("EN")}), Langue::Anglais);
    QCOMPARE(LangueDe({QStringLiteral("fr-FR"), QStringLiteral("en-GB")}), Langue::Francais);
    QCOMPARE(LangueDe({QStringLiteral("de-DE"), QStringLiteral("en")}), Langue::Francais);
    QCOMPARE(LangueDe({QStringLiteral("eo")}), Langue::Francais);
    QCOMPARE(LangueDe({QStringLiteral("C"), QStringLiteral("en-US")}), Langue::Anglais);
    QCOMPARE(LangueDe({QStringLiteral("C")}), Langue::Francais);
    QCOMPARE(LangueDe({}), Langue::Francais);
}

void TestAnglais::sansTraductionLisibleToutResteFrancais() {
    Traductions t;
    QVERIFY(!t.Installer(Langue::Anglais, QDir(QDir::tempPath()).filePath(QStringLiteral("sans-traductions"))));
    QCOMPARE(LangueActive(), Langue::Francais);
    QVERIFY(t.Installer(Langue::Francais, DossierTraductions()));
    Banc b;
    QCOMPARE(b.Bouton("Sedim")->text(), QStringLiteral("Sédimentation"));
    QCOMPARE(b.Action("Quitter1")->text(), QStringLiteral("&Quitter"));
    // The French window is French through and through: the check below sees it.
    QVERIFY(Francais(Textes(b.w.get())).size() > 20);
    // So are Qt's own dialogs, where Qt's French leaves a word in English:
    // a folder's kind in a file dialog, a button of a message box.
    QTemporaryDir dossier;
    QCOMPARE(QFileIconProvider().type(QFileInfo(dossier.path())), QStringLiteral("Dossier"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    // Counts in words: one (and none) in the singular, two and more in the plural.
    struct Compte {
        const char* source;
        int n;
        const char* attendu;
    };
    const Compte comptes[] = {
        {"%n copie(s) notée(s).", 0, "0 copie notée."},
        {"%n copie(s) notée(s).", 1, "1 copie notée."},
        {"%n copie(s) notée(s).", 2, "2 copies notées."},
        {"%n exercice(s) écrit(s) dans %1, avec leurs fiches (%2).", 1, "1 exercice écrit dans %1, avec ses fiches (%2)."},
        {"%n exercice(s) écrit(s) dans %1, avec leurs fiches (%2).", 5, "5 exercices écrits dans %1, avec leurs fiches (%2)."},
        {"%n exercice(s) dans le paquet pour l'ENT %1.", 1, "1 exercice dans le paquet pour l'ENT %1."},
        {"%n exercice(s) dans le paquet pour l'ENT %1.", 12, "12 exercices dans le paquet pour l'ENT %1."},
        {"Notation interrompue : %n copie(s) notée(s) sur %1.", 1, "Notation interrompue : 1 copie notée sur %1."},
        {"Notation interrompue : %n copie(s) notée(s) sur %1.", 3, "Notation interrompue : 3 copies notées sur %1."},
    };
    for (const Compte& c : comptes)
        QCOMPARE(QCoreApplication::translate("FenetreEnseignant", c.source, nullptr, c.n), QString::fromUtf8(c.attendu));
}

void TestAnglais::fenetreToutEnAnglais() {
    Anglais();
    Banc b;
    b.w->show();
    QCOMPARE(b.Bouton("Sedim")->text(), QStringLiteral("Sedimentation"));
    QCOMPARE(b.Bouton("Casse")->text(), QStringLiteral("Extension"));
    QCOMPARE(b.Action("Quitter1")->text(), QStringLiteral("&Quit"));
    // The start-up warning.
    b.w->Commencer({b.executable});
    QVERIFY(!b.f.messages.messages.empty());
    for (const auto& m : b.f.messages.messages) QVERIFY2(!ResteDuFrancais(m.texte), qPrintable(m.texte));
    const QStringList auDepart = Francais(Textes(b.w.get()));
    QVERIFY2(auDepart.isEmpty(), qPrintable(auDepart.join(QLatin1Char('\n'))));
    // After events, with commands off and their reasons, and formations to name.
    b.Bouton("Casse")->click();
    b.Bouton("Sedim")->click();
    b.Bouton("Nivele")->click();
    QVERIFY(!b.Bouton("Plissa")->isEnabled());
    QCOMPARE(b.Liste(), (QStringList{QStringLiteral("Sédimentation"), QStringLiteral("Distension"),
                                     QStringLiteral("Sédimentation"), QStringLiteral("Erosion")}));
    const QStringList restes = Francais(Textes(b.w.get()));
    QVERIFY2(restes.isEmpty(), qPrintable(restes.join(QLatin1Char('\n'))));
}

void TestAnglais::fenetresSecondairesEnAnglais() {
    Anglais();
    Banc b;
    b.w->show();
    b.Action("Legende1")->trigger();
    b.f.fichiers.Repondre(EcrireExercice(b, {kSed, "Compression", "Erosion", kSed}, QStringLiteral("pli.exo"), "The eroded fold"));
    b.Action("Ouvrirexercice1")->trigger();
    QVERIFY(b.Action("Ordonner1")->isEnabled());
    b.Action("Verifier1")->trigger();
    b.Action("Ordonner1")->trigger();
    QPointer<QDialog> ordre = b.w->fenetreOrdonner();
    QVERIFY(ordre);
    ordre->findChild<QAbstractButton*>(QStringLiteral("Verifier"))->click();
    b.Action("Espaceenseignant1")->trigger();
    int fenetres = 0;
    QStringList restes;
    for (QWidget* f : QApplication::topLevelWidgets()) {
        if (!f->isVisible()) continue;
        ++fenetres;
        restes << Francais(Textes(f));
    }
    QVERIFY(fenetres >= 4);  // the window, the legend, the cards, the teacher's space
    for (const auto& m : b.f.messages.messages) restes << Francais({QStringLiteral("message = ") + m.texte});
    QVERIFY2(restes.isEmpty(), qPrintable(restes.join(QLatin1Char('\n'))));
}

void TestAnglais::listesToujoursEnMotsFrancais() {
    Anglais();
    Banc b;
    b.Bouton("Plissa")->click();
    b.Bouton("Nivele")->click();
    b.Bouton("Coulee")->click();
    const QString chemin = b.Chemin(QStringLiteral("classe.lst"));
    b.f.fichiers.Repondre(chemin);
    b.Action("Sauver1")->trigger();
    QCOMPARE(Octets(chemin), QByteArray("S\xE9" "dimentation\r\nCompression\r\nErosion\r\nVolcanisme\r\n"));
}

// The kept work offered back at the next start, in English, with the
// page's buttons.
void TestAnglais::repriseEnAnglais() {
    Anglais();
    QTemporaryDir donnees;
    Banc b;
    b.w->GarderTravailDans(donnees.path());
    b.w->Commencer({b.executable});
    b.Bouton("Plissa")->click();
    b.f.questions.reponses.push_back(Reponse::Non);
    QVERIFY(b.w->close());
    b.Creer();
    b.w->GarderTravailDans(donnees.path());
    b.f.questions.choix.push_back(1);
    b.w->Commencer({b.executable});
    QCOMPARE(b.f.questions.questions.back(),
             QStringLiteral("The section started last time has been kept: one event after the starting series.\r"
                            "Do you want to go on with it?"));
    QCOMPARE(b.f.questions.boutonsProposes.back(), (QStringList{QStringLiteral("Resume"), QStringLiteral("New section")}));
}

QTEST_MAIN(TestAnglais)
#include "anglais_test.moc"
