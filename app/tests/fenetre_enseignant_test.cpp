// The teacher's window: a series written to a folder, a class marked, the
// table saved for a spreadsheet.
#include <QCheckBox>
#include <QFile>
#include <sys/stat.h>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QProgressDialog>
#include <QProcess>
#include <unistd.h>
#include <QHeaderView>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "banc.h"
#include "fenetre_enseignant.h"
#include "langue.h"
#include "dessin/images.h"
#include "section/espace_enseignant.h"
#include "section/exercice.h"
#include "section/liste.h"
#include "section/serie.h"
#include "section/tableur.h"
#include "textures_essai.h"

namespace {

const section::Ligne kSed = section::Ligne(section::kLigneInitiale);
const section::Liste kListe{kSed, "Compression", "Erosion", kSed};

section::Exercice Exemple(const section::Textures& t, const section::Liste& lignes) {
    section::Session s;
    s.DefinirTextures(t);
    s.Charger(lignes);
    section::Exercice e;
    e.titre = "Le pli érodé";
    e.lignes = lignes;
    e.cible = s.vue();
    return e;
}

bool EcrireReponse(const QString& chemin, const std::string& eleve, std::uint64_t exercice,
                   const section::Liste& lignes, std::optional<section::OrdreDonne> ordre = std::nullopt) {
    section::Reponse r;
    r.eleve = eleve;
    r.exercice = exercice;
    r.lignes = lignes;
    r.ordre = std::move(ordre);
    return section::EcrireFichierReponse(dessin::OctetsDeChemin(chemin), r).empty();
}

QString Case(const QTableWidget* t, int rang, int colonne) {
    const QTableWidgetItem* i = t->item(rang, colonne);
    return i ? i->text() : QString();
}

// Exercise `e` saved as `exo` beside an empty "classe" folder, the set-up
// of every grading test; the folder, or an empty name when either failed.
QString PreparerClasse(const Banc& b, const section::Exercice& e, const QString& exo) {
    const QString classe = b.Chemin(QStringLiteral("classe"));
    if (!section::EcrireFichierExercice(dessin::OctetsDeChemin(exo), e).empty() || !QDir().mkpath(classe)) return {};
    return classe;
}

}  // namespace

class TestFenetreEnseignant : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The kept seed goes to a settings file of the tests, never the user's.
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Strataloom"), QStringLiteral("strataloom")).clear();
        // Emptied as well: nothing may be written under an unnamed organisation.
        QSettings().clear();
        // French, as the program installs it: counts written as words.
        QVERIFY(traductions_.Installer(Langue::Francais, DossierTraductionsDe(qEnvironmentVariable("STRATALOOM_DATA"))));
    }
    void serie_ecrite_comme_le_tirage();
    void serie_annulee_rien_ecrit();
    void classe_notee_ligne_par_ligne();
    void csv_pour_un_tableur();
    void csv_comme_le_rendu();
    void reglages_de_serie_gardes();
    void classe_de_trente_cinq();
    void csv_jamais_a_travers_un_lien_data();
    void csv_jamais_a_travers_un_lien();
    void serie_jamais_a_travers_un_lien();
    void serie_entiere_ou_rien();
    void chaque_entree_a_sa_ligne();
    void annuler_arrete_la_notation();
    void la_table_suit_les_fichiers();

private:
    Traductions traductions_;
};

void TestFenetreEnseignant::serie_ecrite_comme_le_tirage() {
    Banc b;
    // A series holds only exercises that pass every rule: drawn on the
    // program's own rocks, as a teacher draws it.
    const std::optional<section::Textures> livrees = section::test::TexturesLivrees();
    if (!livrees) QSKIP("no Base folder beside the test program");
    const section::Textures& tex = *livrees;
    FenetreEnseignant f(b.f.services(), tex, b.dossier.path());
    QCOMPARE(f.windowTitle(), QStringLiteral("Espace enseignant"));
    QVERIFY(!f.isModal());
    f.findChild<QSpinBox*>(QStringLiteral("NombreExercices"))->setValue(3);
    f.findChild<QSpinBox*>(QStringLiteral("EvenementsParExercice"))->setValue(3);
    // Only sedimentation, erosion and compression.
    for (int tag : {2, 4, 6, 7}) f.findChild<QCheckBox*>(QStringLiteral("Permis%1").arg(tag))->setChecked(false);
    QCOMPARE(f.findChild<QCheckBox*>(QStringLiteral("Permis1"))->text(), QStringLiteral("Sédimentation"));
    f.findChild<QLineEdit*>(QStringLiteral("Graine"))->setText(QStringLiteral("4242"));
    f.findChild<QLineEdit*>(QStringLiteral("PrefixeTitre"))->setText(QStringLiteral("Les plis"));
    const QString parent = b.Chemin(QStringLiteral("serie"));
    QVERIFY(QDir().mkpath(parent));
    b.f.fichiers.Repondre(parent);
    QVERIFY(f.CreerSerie());
    QCOMPARE(b.f.fichiers.dossiers.size(), std::size_t(1));
    // A new sub-folder named after the title and the seed, proposed in the dialog.
    const QString dossier = parent + QStringLiteral("/Les plis - 4242");
    QVERIFY(b.f.fichiers.dossiers.back().titre.contains(QStringLiteral("Les plis - 4242")));

    section::ReglesSerie r;
    r.exercices = 3;
    r.evenements = 3;
    r.graine = 4242;
    r.permis = {false, true, false, true, false, true, false, false};
    section::Session a;
    a.DefinirTextures(tex);
    const auto attendue = section::TirerSerie(a, r);
    QCOMPARE(attendue.size(), std::size_t(3));

    const QStringList exo = QDir(dossier).entryList({QStringLiteral("*.exo")}, QDir::Files, QDir::Name);
    QCOMPARE(exo, (QStringList{QStringLiteral("exercice-4242-01.exo"), QStringLiteral("exercice-4242-02.exo"),
                               QStringLiteral("exercice-4242-03.exo")}));
    // The engine model's exercise files, byte for byte, in the folder it names.
    section::Session m;
    m.DefinirTextures(tex);
    const section::SerieEnseignant modele = section::PreparerSerie(m, r, "Les plis");
    QCOMPARE(QString::fromStdString(modele.dossier), QStringLiteral("Les plis - 4242"));
    for (const section::ExerciceSerie& x : modele.exercices)
        QVERIFY2(Octets(QDir(dossier).filePath(QString::fromStdString(x.exo.nom))) == QByteArray::fromStdString(x.exo.octets),
                 x.exo.nom.c_str());
    for (int i = 0; i < 3; ++i) {
        section::Exercice e;
        QCOMPARE(section::LireFichierExercice(dessin::OctetsDeChemin(QDir(dossier).filePath(exo[i])), e), std::string());
        QCOMPARE(e.titre, "Exercice " + std::to_string(i + 1) + " — Les plis");
        QVERIFY(e.lignes == attendue[static_cast<std::size_t>(i)].liste);
        for (std::size_t k = 1; k < e.lignes.size(); ++k) {
            const int tag = section::TagDeLigne(e.lignes[k]);
            QVERIFY2(tag == 1 || tag == 3 || tag == 5, e.lignes[k].c_str());
        }
    }
    const QByteArray pdf = Octets(QDir(dossier).filePath(QStringLiteral("fiches-4242.pdf")));
    QVERIFY(pdf.startsWith("%PDF"));
    const QString bilan = f.findChild<QLabel*>(QStringLiteral("BilanSerie"))->text();
    QVERIFY2(bilan.contains(QStringLiteral("3 ")) && bilan.contains(QDir::toNativeSeparators(dossier)),
             qPrintable(bilan));
    // The seed stays for the next opening; "Nouvelle graine" draws another.
    FenetreEnseignant g(b.f.services(), tex, b.dossier.path());
    QLineEdit* graine = g.findChild<QLineEdit*>(QStringLiteral("Graine"));
    QCOMPARE(graine->text(), QStringLiteral("4242"));
    g.NouvelleGraine();
    QVERIFY(graine->text() != QStringLiteral("4242"));
    QCOMPARE(FenetreEnseignant(b.f.services(), tex, b.dossier.path()).findChild<QLineEdit*>(QStringLiteral("Graine"))->text(),
             graine->text());
}

void TestFenetreEnseignant::serie_annulee_rien_ecrit() {
    Banc b;
    FenetreEnseignant f(b.f.services(), b.w->session().textures(), b.dossier.path());
    b.f.fichiers.Annuler();
    QVERIFY(!f.CreerSerie());
    QVERIFY(QDir(b.dossier.path()).entryList({QStringLiteral("*.exo"), QStringLiteral("*.pdf")}).isEmpty());
    // A seed that is not a number is said, nothing asked.
    f.findChild<QLineEdit*>(QStringLiteral("Graine"))->setText(QStringLiteral("abc"));
    QVERIFY(!f.CreerSerie());
    QCOMPARE(b.f.fichiers.dossiers.size(), std::size_t(1));
    QCOMPARE(b.f.messages.messages.size(), std::size_t(1));
}

void TestFenetreEnseignant::classe_notee_ligne_par_ligne() {
    Banc b;
    const section::Textures& tex = b.w->session().textures();
    const section::Exercice e = Exemple(tex, kListe);
    const QString exo = b.Chemin(QStringLiteral("pli.exo"));
    const QString classe = PreparerClasse(b, e, exo);
    QVERIFY(!classe.isEmpty());
    const std::uint64_t empreinte = section::EmpreinteExercice(e);
    // Alice also ordered the cards, the right way, without a justification.
    const section::OrdreDonne ordre{{1, 2, 3}, std::vector<section::Justification>(3), 0};
    QVERIFY(EcrireReponse(classe + QStringLiteral("/a_juste.rep"), "Alice", empreinte, kListe, ordre));
    QVERIFY(EcrireFichier(classe + QStringLiteral("/e_liste.lst"),
                          QByteArray::fromStdString(section::TexteListe(kListe))));
    QVERIFY(EcrireReponse(classe + QStringLiteral("/b_faux.rep"), "Bruno", empreinte,
                          {kSed, "Compression", kSed}));
    QVERIFY(EcrireReponse(classe + QStringLiteral("/c_autre.rep"), "Chloé", empreinte ^ 1, kListe));
    QVERIFY(EcrireReponse(classe + QStringLiteral("/d_abime.rep"), "Dina", empreinte, kListe));
    QByteArray abime = Octets(classe + QStringLiteral("/d_abime.rep"));
    abime[abime.size() - 6] = static_cast<char>(abime[abime.size() - 6] ^ 0x55);
    QVERIFY(EcrireFichier(classe + QStringLiteral("/d_abime.rep"), abime));
    QVERIFY(EcrireFichier(classe + QStringLiteral("/notes.txt"), "pas une copie"));

    FenetreEnseignant f(b.f.services(), tex, b.dossier.path());
    b.f.fichiers.Repondre(exo);
    b.f.fichiers.Repondre(classe);
    QVERIFY(f.ChoisirExercice());
    QVERIFY(f.ChoisirCopies());
    const auto* t = f.findChild<QTableWidget*>(QStringLiteral("TableNotes"));
    constexpr int kOrdre = 3, kRemarque = 4;
    QCOMPARE(t->columnCount(), 5);
    QCOMPARE(t->horizontalHeaderItem(2)->text(), QStringLiteral("Note /20"));
    QCOMPARE(t->horizontalHeaderItem(kOrdre)->text(), QStringLiteral("Ordre /20"));
    QCOMPARE(t->rowCount(), 5);
    QCOMPARE(Case(t, 0, 0), QStringLiteral("Alice"));
    QCOMPARE(Case(t, 0, 1), QStringLiteral("a_juste.rep"));
    QCOMPARE(Case(t, 0, 2), QStringLiteral("20"));
    // A right order without justifications earns the order's points only.
    QCOMPARE(Case(t, 0, kOrdre), QString::number(section::kPointsOrdre));
    QCOMPARE(Case(t, 1, 0), QStringLiteral("Bruno"));
    QVERIFY(!Case(t, 1, 2).isEmpty());
    QVERIFY(Case(t, 1, 2).toInt() < 20);
    QCOMPARE(Case(t, 1, kOrdre), QString());
    QVERIFY(!Case(t, 1, kRemarque).isEmpty());
    QCOMPARE(Case(t, 2, 0), QStringLiteral("Chloé"));
    QCOMPARE(Case(t, 2, 2), QString());
    QCOMPARE(Case(t, 2, kRemarque), QStringLiteral("répond à un autre exercice"));
    QCOMPARE(Case(t, 3, 1), QStringLiteral("d_abime.rep"));
    QCOMPARE(Case(t, 3, 2), QString());
    QVERIFY2(Case(t, 3, kRemarque).contains(QStringLiteral("abîmé")), qPrintable(Case(t, 3, kRemarque)));
    // A list handed in is marked too, the file naming the pupil.
    QCOMPARE(Case(t, 4, 0), QStringLiteral("e_liste"));
    QCOMPARE(Case(t, 4, 2), QStringLiteral("20"));
    QVERIFY(b.f.messages.messages.empty());
    // On a narrow window, Bruno's remarks wrap in their cell: no sideways
    // scrolling, his row taller than a one-line row (Chloé's).
    auto* onglets = f.findChild<QTabWidget*>();
    QVERIFY(onglets);
    onglets->setCurrentIndex(onglets->indexOf(t->parentWidget()));
    f.resize(560, 480);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTRY_VERIFY(t->isVisible() && t->viewport()->width() > 300);
    QCOMPARE(t->horizontalScrollBar()->maximum(), 0);
    QVERIFY(t->columnViewportPosition(kRemarque) + t->columnWidth(kRemarque) <= t->viewport()->width());
    QVERIFY2(t->fontMetrics().horizontalAdvance(Case(t, 1, kRemarque)) > t->columnWidth(kRemarque),
             "the remark should be longer than its column, or nothing wraps");
    QTRY_VERIFY(t->rowHeight(1) > t->rowHeight(2));
}

// One folder of answers, graded by the window and by strataloom-render
// --grade given its files in another order: the same CSV, byte for byte,
// rows in the order of the files' names, the list model read as the key.
void TestFenetreEnseignant::csv_comme_le_rendu() {
    Banc b;
    const section::Textures& tex = b.w->session().textures();
    const section::Exercice e = Exemple(tex, kListe);
    const QString exo = b.Chemin(QStringLiteral("pli.exo"));
    const QString classe = PreparerClasse(b, e, exo);
    QVERIFY(!classe.isEmpty());
    const std::uint64_t empreinte = section::EmpreinteExercice(e);
    QVERIFY(EcrireReponse(classe + QStringLiteral("/Zoé.rep"), "Zoé", empreinte, kListe));
    QVERIFY(EcrireReponse(classe + QStringLiteral("/b_faux.rep"), "Bruno", empreinte, {kSed, "Compression", kSed}));
    QVERIFY(EcrireReponse(classe + QStringLiteral("/c_autre.rep"), "Chloé", empreinte ^ 1, kListe));
    QVERIFY(EcrireFichier(classe + QStringLiteral("/A_liste.lst"), QByteArray::fromStdString(section::TexteListe(kListe))));
    // A list file that holds an answer is read as the answer it is.
    QVERIFY(EcrireReponse(classe + QStringLiteral("/d_reponse.lst"), "Dina", empreinte, kListe));
    const QStringList donnes = {QStringLiteral("d_reponse.lst"), QStringLiteral("Zoé.rep"), QStringLiteral("c_autre.rep"),
                                QStringLiteral("A_liste.lst"), QStringLiteral("b_faux.rep")};

    for (const QString& modele : {exo, b.Chemin(QStringLiteral("cle.lst"))}) {
        if (modele.endsWith(QLatin1String(".lst")))
            QVERIFY(EcrireFichier(modele, QByteArray::fromStdString(section::TexteListe(kListe))));
        FenetreEnseignant f(b.f.services(), tex, b.dossier.path());
        QVERIFY(f.NoterClasse(modele, classe));
        QCOMPARE(f.findChild<QTableWidget*>(QStringLiteral("TableNotes"))->rowCount(), 5);
        QStringList args{QStringLiteral("--base"), b.Chemin(QStringLiteral("Base")), QStringLiteral("--grade"), modele};
        for (const QString& n : donnes) args << QDir(classe).filePath(n);
        QProcess p;
        p.start(QStringLiteral(STRATALOOM_RENDER), args);
        QVERIFY(p.waitForFinished(120000));
        const QByteArray rendu = p.readAllStandardOutput();
        QCOMPARE(QString::fromUtf8(f.TexteCsv()), QString::fromUtf8(rendu));
        QCOMPARE(f.TexteCsv(), rendu);
        const QList<QByteArray> lignes = rendu.split('\n');
        QVERIFY(lignes.size() > 5);
        QVERIFY2(lignes[1].startsWith("A_liste.lst;"), lignes[1].constData());
        QVERIFY2(lignes[5].startsWith("Zoé.rep;"), lignes[5].constData());
    }
    QVERIFY(b.f.messages.messages.empty());
}

// The series' seed, title and count stay as shown from one opening to
// the next, in the program's one settings file.
void TestFenetreEnseignant::reglages_de_serie_gardes() {
    Banc b;
    const section::Textures& tex = b.w->session().textures();
    {
        FenetreEnseignant f(b.f.services(), tex, b.dossier.path());
        f.findChild<QLineEdit*>(QStringLiteral("Graine"))->setText(QStringLiteral("0"));
        f.findChild<QLineEdit*>(QStringLiteral("PrefixeTitre"))->setText(QStringLiteral("Les failles"));
        f.findChild<QSpinBox*>(QStringLiteral("NombreExercices"))->setValue(4);
    }
    FenetreEnseignant g(b.f.services(), tex, b.dossier.path());
    QCOMPARE(g.findChild<QLineEdit*>(QStringLiteral("Graine"))->text(), QStringLiteral("0"));
    QCOMPARE(g.findChild<QLineEdit*>(QStringLiteral("PrefixeTitre"))->text(), QStringLiteral("Les failles"));
    QCOMPARE(g.findChild<QSpinBox*>(QStringLiteral("NombreExercices"))->value(), 4);
    // Kept where the window's other settings are, never under an unnamed
    // organisation.
    QSettings reglages(QStringLiteral("Strataloom"), QStringLiteral("strataloom"));
    QCOMPARE(reglages.value(QStringLiteral("enseignant/titre")).toString(), QStringLiteral("Les failles"));
    QVERIFY(QSettings().allKeys().isEmpty());
    // A new seed is six digits at most, never 0.
    g.NouvelleGraine();
    const uint nouvelle = g.findChild<QLineEdit*>(QStringLiteral("Graine"))->text().toUInt();
    QVERIFY(nouvelle >= 1 && nouvelle <= 999999);
    QCOMPARE(g.Regles().graine, nouvelle);
}

void TestFenetreEnseignant::csv_pour_un_tableur() {
    Banc b;
    const section::Textures& tex = b.w->session().textures();
    const section::Exercice e = Exemple(tex, kListe);
    const QString exo = b.Chemin(QStringLiteral("pli.exo"));
    const QString classe = PreparerClasse(b, e, exo);
    QVERIFY(!classe.isEmpty());
    QVERIFY(EcrireReponse(classe + QStringLiteral("/a.rep"), "Élise; la 2e", section::EmpreinteExercice(e), kListe));
    FenetreEnseignant f(b.f.services(), tex, b.dossier.path());
    QVERIFY(f.NoterClasse(exo, classe));
    const QString csv = b.Chemin(QStringLiteral("notes.csv"));
    b.f.fichiers.Repondre(csv);
    QVERIFY(f.EnregistrerCsv());
    const QByteArray octets = Octets(csv);
    QVERIFY(octets.startsWith("\xEF\xBB\xBF"));
    const QList<QByteArray> lignes = octets.mid(3).split('\n');
    QCOMPARE(lignes.size(), 3);  // header, one row, nothing after the last CR LF
    QCOMPARE(lignes[0], QByteArray::fromStdString(std::string(section::kEnteteNotes)) + '\r');
    // The file first, then the pupil; shares with a decimal comma.
    // An answer file without an order: « Ordre sur 20 » empty, the remark
    // says so; one without the checks counted: their columns empty.
    QCOMPARE(lignes[1], QByteArray("a.rep;\"\xC3\x89lise; la 2e\";20;100,0;100,0;3;0;\"m\xC3\xAAme coupe que le corrig\xC3\xA9 ; "
                                   "ordre non fait\";;;\r"));
    QCOMPARE(lignes[2], QByteArray());
    QCOMPARE(octets, f.TexteCsv());
}

void TestFenetreEnseignant::classe_de_trente_cinq() {
    Banc b;
    const section::Textures& tex = b.w->session().textures();
    const section::Exercice e = Exemple(tex, kListe);
    const QString exo = b.Chemin(QStringLiteral("pli.exo"));
    const QString classe = PreparerClasse(b, e, exo);
    QVERIFY(!classe.isEmpty());
    for (int i = 0; i < 35; ++i)
        QVERIFY(EcrireReponse(classe + QStringLiteral("/eleve%1.rep").arg(i, 2, 10, QLatin1Char('0')),
                              "Élève " + std::to_string(i), section::EmpreinteExercice(e),
                              i % 2 ? kListe : section::Liste{kSed, "Erosion", kSed}));
    FenetreEnseignant f(b.f.services(), tex, b.dossier.path());
    // Its speed is measured by the benchmarks (Enseignant/Noter35).
    QVERIFY(f.NoterClasse(exo, classe));
    QTableWidget* table = f.findChild<QTableWidget*>(QStringLiteral("TableNotes"));
    QCOMPARE(table->rowCount(), 35);
    int vingt = 0;
    for (int r = 0; r < table->rowCount(); ++r) vingt += table->item(r, 2)->text() == QStringLiteral("20");
    QCOMPARE(vingt, 17);  // the odd pupils rebuilt the section
}

namespace {

bool EstUnLien(const QString& chemin) {
    struct stat st {};
    return ::lstat(QFile::encodeName(chemin).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

}  // namespace

// A pupil's link named notes.csv: the teacher's file it points to stays as
// it was, a dangling one creates nothing, and the refusal names the link.
// The dialog opens in Documents, never in the answers' folder.
void TestFenetreEnseignant::csv_jamais_a_travers_un_lien_data() {
    QTest::addColumn<QString>("vers");  // relative to the test's folder
    QTest::addColumn<bool>("cibleExiste");
    QTest::newRow("vers un fichier de l'enseignant") << QStringLiteral("../prive/bulletin.txt") << true;
    QTest::newRow("pendant vers un lanceur") << QStringLiteral("../prive/notes.desktop") << false;
    QTest::newRow("vers lui-même") << QStringLiteral("notes.csv") << false;
}

void TestFenetreEnseignant::csv_jamais_a_travers_un_lien() {
    QFETCH(QString, vers);
    QFETCH(bool, cibleExiste);
    Banc b;
    const section::Textures& tex = b.w->session().textures();
    const section::Exercice e = Exemple(tex, kListe);
    const QString exo = b.Chemin(QStringLiteral("pli.exo"));
    const QString classe = PreparerClasse(b, e, exo);
    QVERIFY(!classe.isEmpty());
    QVERIFY(QDir().mkpath(b.Chemin(QStringLiteral("prive"))));
    const QString cible = QDir(classe).filePath(vers);
    if (cibleExiste) QVERIFY(EcrireFichier(cible, "à garder"));
    QVERIFY(EcrireReponse(classe + QStringLiteral("/a.rep"), "Alice", section::EmpreinteExercice(e), kListe));
    const QString lien = classe + QStringLiteral("/notes.csv");
    QVERIFY(QFile::link(vers, lien));

    const QString documents = b.Chemin(QStringLiteral("Documents"));
    FenetreEnseignant f(b.f.services(), tex, documents);
    b.f.fichiers.Repondre(exo);
    b.f.fichiers.Repondre(classe);
    QVERIFY(f.ChoisirExercice());
    QVERIFY(f.ChoisirCopies());
    b.f.fichiers.Repondre(lien);
    QVERIFY(!f.EnregistrerCsv());
    QCOMPARE(b.f.fichiers.enregistrements.back().dossierInitial, documents);
    QCOMPARE(b.f.messages.messages.size(), std::size_t(1));
    QCOMPARE(b.f.messages.messages[0].texte,
             QStringLiteral("« %1 » est un lien symbolique : choisissez un autre nom").arg(QDir::toNativeSeparators(lien)));
    QVERIFY(EstUnLien(lien));
    if (cibleExiste)
        QCOMPARE(Octets(cible), QByteArray("à garder"));
    else
        QVERIFY(!QFileInfo::exists(cible) || EstUnLien(cible));
    QCOMPARE(QDir(b.Chemin(QStringLiteral("prive"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             cibleExiste ? QStringList{QStringLiteral("bulletin.txt")} : QStringList{});
}

// A series whose sheet name is already a link: refused, the link kept.
void TestFenetreEnseignant::serie_jamais_a_travers_un_lien() {
    Banc b;
    FenetreEnseignant f(b.f.services(), b.w->session().textures(), b.dossier.path());
    f.findChild<QSpinBox*>(QStringLiteral("NombreExercices"))->setValue(2);
    f.findChild<QLineEdit*>(QStringLiteral("Graine"))->setText(QStringLiteral("8"));
    f.findChild<QLineEdit*>(QStringLiteral("PrefixeTitre"))->setText(QStringLiteral("Série"));
    const QString dossier = b.Chemin(QStringLiteral("serie/Série - 8"));
    QVERIFY(QDir().mkpath(dossier));
    const QString fiches = dossier + QStringLiteral("/fiches-8.pdf");
    QVERIFY(QFile::link(QStringLiteral("../../ailleurs.pdf"), fiches));
    b.f.fichiers.Repondre(b.Chemin(QStringLiteral("serie")));
    QVERIFY(!f.CreerSerie());
    QCOMPARE(b.f.messages.messages.size(), std::size_t(1));
    QVERIFY2(b.f.messages.messages[0].texte.contains(QStringLiteral("fiches-8.pdf existe déjà")),
             qPrintable(b.f.messages.messages[0].texte));
    QVERIFY(EstUnLien(fiches));
    QVERIFY(!QFileInfo::exists(b.Chemin(QStringLiteral("ailleurs.pdf"))));
    QCOMPARE(QDir(dossier).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
             QStringList{QStringLiteral("fiches-8.pdf")});
}

// A second series drawn into the same folder with the same seed finds its
// names taken: nothing is written, the first series stays as it was.
void TestFenetreEnseignant::serie_entiere_ou_rien() {
    Banc b;
    const std::optional<section::Textures> livrees = section::test::TexturesLivrees();
    if (!livrees) QSKIP("no Base folder beside the test program");
    FenetreEnseignant f(b.f.services(), *livrees, b.dossier.path());
    f.findChild<QSpinBox*>(QStringLiteral("NombreExercices"))->setValue(3);
    f.findChild<QLineEdit*>(QStringLiteral("Graine"))->setText(QStringLiteral("31"));
    f.findChild<QLineEdit*>(QStringLiteral("PrefixeTitre"))->setText(QStringLiteral("Contrôle"));
    const QString parent = b.Chemin(QStringLiteral("serie"));
    const QString dossier = parent + QStringLiteral("/Contrôle - 31");
    QVERIFY(QDir().mkpath(parent));
    b.f.fichiers.Repondre(parent);
    QVERIFY(f.CreerSerie());
    const auto contenu = [&] {
        QStringList r;
        for (const QFileInfo& i : QDir(dossier).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                                             QDir::Name))
            r << i.fileName() + QLatin1Char('=') + QString::fromLatin1(i.isFile() ? Octets(i.filePath()).toHex() : "dossier");
        return r;
    };
    const QStringList avant = contenu();
    QCOMPARE(avant.size(), 4);
    // Fewer exercises this time: still refused, since fiches-31.pdf is there.
    f.findChild<QSpinBox*>(QStringLiteral("NombreExercices"))->setValue(1);
    b.f.fichiers.Repondre(parent);
    QVERIFY(!f.CreerSerie());
    QCOMPARE(contenu(), avant);
    QCOMPARE(b.f.messages.messages.size(), std::size_t(1));
    const QString m = b.f.messages.messages[0].texte;
    QVERIFY2(m.contains(QStringLiteral("exercice-31-01.exo existe déjà")) &&
                 m.endsWith(QStringLiteral("La série n'a pas été écrite : aucun fichier du dossier n'a changé.")),
             qPrintable(m));
    // Another seed: another sub-folder, the first series untouched.
    f.findChild<QLineEdit*>(QStringLiteral("Graine"))->setText(QStringLiteral("32"));
    b.f.fichiers.Repondre(parent);
    QVERIFY(f.CreerSerie());
    QCOMPARE(contenu(), avant);
    QCOMPARE(QDir(parent + QStringLiteral("/Contrôle - 32")).entryList(QDir::Files, QDir::Name),
             (QStringList{QStringLiteral("exercice-32-01.exo"), QStringLiteral("fiches-32.pdf")}));
}

// Every entry of the answers' folder that looks like an answer has its row:
// nothing a pupil puts there makes a pupil disappear from the table.
void TestFenetreEnseignant::chaque_entree_a_sa_ligne() {
    Banc b;
    const section::Textures& tex = b.w->session().textures();
    const section::Exercice e = Exemple(tex, kListe);
    const QString exo = b.Chemin(QStringLiteral("pli.exo"));
    const QString classe = PreparerClasse(b, e, exo);
    QVERIFY(!classe.isEmpty());
    const std::uint64_t empreinte = section::EmpreinteExercice(e);
    const auto chemin = [&](const char* nom) { return classe + QLatin1Char('/') + QLatin1String(nom); };
    const auto octets = [&](const char* nom) { return QFile::encodeName(chemin(nom)); };
    QVERIFY(EcrireReponse(chemin("a_juste.rep"), "Alice", empreinte, kListe));
    QVERIFY(EcrireReponse(chemin(".cachee.rep"), "Camille", empreinte, kListe));
    QVERIFY(EcrireReponse(chemin("renommee.txt"), "Rémi", empreinte, kListe));
    QVERIFY(EcrireReponse(chemin("rien.rep"), "Nina", empreinte, {kSed, "rien"}));
    section::Liste longue{kSed};
    for (int i = 0; i < 301; ++i) longue.push_back(i % 2 ? "Erosion" : kSed);
    QVERIFY(EcrireReponse(chemin("longue.rep"), "Léo", empreinte, longue));
    QVERIFY(EcrireReponse(chemin("fermee.rep"), "Fred", empreinte, kListe));
    QVERIFY(::chmod(octets("fermee.rep").constData(), 0) == 0);
    QCOMPARE(::mkfifo(octets("tube.rep").constData(), 0600), 0);
    QVERIFY(QFile::link(QStringLiteral("boucle.rep"), chemin("boucle.rep")));
    QVERIFY(QFile::link(QStringLiteral("absente.rep"), chemin("pendant.rep")));
    QVERIFY(QDir().mkpath(chemin("dossier.rep")));
    QVERIFY(EcrireFichier(chemin("notes.txt"), "pas une copie"));

    FenetreEnseignant f(b.f.services(), tex, b.dossier.path());
    QVERIFY(f.NoterClasse(exo, classe));
    const auto* t = f.findChild<QTableWidget*>(QStringLiteral("TableNotes"));
    QMap<QString, int> rang;
    for (int i = 0; i < t->rowCount(); ++i) rang[Case(t, i, 1)] = i;
    const bool root = ::geteuid() == 0;
    struct Attendu {
        const char* fichier;
        const char* note;       // nullptr: no mark
        const char* remarque;   // contained in the remark
    };
    const Attendu attendus[] = {
        {"a_juste.rep", "20", "même coupe que le corrigé"},
        {".cachee.rep", "20", "même coupe que le corrigé"},
        {"renommee.txt", "20", "même coupe que le corrigé"},
        {"rien.rep", "0", "aucun événement reconnu"},
        {"longue.rep", nullptr, "plus de 300 événements : réponse non rejouée"},
        {"fermee.rep", root ? "20" : nullptr, root ? "même coupe" : "ne peut pas être ouvert"},
        {"tube.rep", nullptr, "ce n'est pas un fichier ordinaire"},
        {"boucle.rep", nullptr, "ne peut pas être ouvert"},
        {"pendant.rep", nullptr, "n'existe pas"},
        {"dossier.rep", nullptr, "ce n'est pas un fichier ordinaire"},
    };
    QCOMPARE(t->rowCount(), int(std::size(attendus)));
    QVERIFY(!rang.contains(QStringLiteral("notes.txt")));
    for (const Attendu& a : attendus) {
        const QString fichier = QString::fromUtf8(a.fichier);
        QVERIFY2(rang.contains(fichier), a.fichier);
        const int i = rang[fichier];
        QCOMPARE(Case(t, i, 2), a.note ? QString::fromUtf8(a.note) : QString());
        QVERIFY2(Case(t, i, 4).contains(QString::fromUtf8(a.remarque)), qPrintable(fichier + QLatin1String(": ") + Case(t, i, 4)));
    }
    QCOMPARE(f.findChild<QLabel*>(QStringLiteral("BilanClasse"))->text(), QStringLiteral("10 copies notées."));
    QVERIFY(b.f.messages.messages.empty());
}

// "Annuler" on the progress bar stops the grading at once; grading again
// gives every row.
void TestFenetreEnseignant::annuler_arrete_la_notation() {
    Banc b;
    const section::Textures& tex = b.w->session().textures();
    const section::Exercice e = Exemple(tex, kListe);
    const QString exo = b.Chemin(QStringLiteral("pli.exo"));
    const QString classe = PreparerClasse(b, e, exo);
    QVERIFY(!classe.isEmpty());
    for (int i = 0; i < 5; ++i)
        QVERIFY(EcrireReponse(classe + QStringLiteral("/e%1.rep").arg(i), "Élève " + std::to_string(i),
                              section::EmpreinteExercice(e), kListe));
    FenetreEnseignant f(b.f.services(), tex, b.dossier.path());
    bool trouvee = false;
    QTimer::singleShot(0, &f, [&] {
        if (auto* p = f.findChild<QProgressDialog*>(QStringLiteral("ProgressionNotes"))) {
            trouvee = true;
            QCOMPARE(p->maximum(), 5);
            p->cancel();
        }
    });
    QVERIFY(f.NoterClasse(exo, classe));
    QVERIFY(trouvee);
    const auto* t = f.findChild<QTableWidget*>(QStringLiteral("TableNotes"));
    QCOMPARE(t->rowCount(), 0);
    QCOMPARE(f.findChild<QLabel*>(QStringLiteral("BilanClasse"))->text(),
             QStringLiteral("Notation interrompue : 0 copie notée sur 5."));
    QVERIFY(f.NoterClasse(exo, classe));
    QCOMPARE(t->rowCount(), 5);
}

// Once shown, the table follows the class's files without "Copies..."
// chosen again: an answer written in the folder adds its row, one removed
// takes its row away, the exercise rewritten grades every answer anew.
void TestFenetreEnseignant::la_table_suit_les_fichiers() {
    Banc b;
    const section::Textures& tex = b.w->session().textures();
    const section::Exercice e = Exemple(tex, kListe);
    const QString exo = b.Chemin(QStringLiteral("pli.exo"));
    const QString classe = PreparerClasse(b, e, exo);
    QVERIFY(!classe.isEmpty());
    QVERIFY(EcrireReponse(classe + QStringLiteral("/a.rep"), "Alice", section::EmpreinteExercice(e), kListe));
    FenetreEnseignant f(b.f.services(), tex, b.dossier.path());
    b.f.fichiers.Repondre(exo);
    b.f.fichiers.Repondre(classe);
    QVERIFY(f.ChoisirExercice());
    QVERIFY(f.ChoisirCopies());
    const auto* t = f.findChild<QTableWidget*>(QStringLiteral("TableNotes"));
    QCOMPARE(t->rowCount(), 1);
    QSignalSpy notee(&f, &FenetreEnseignant::ClasseNotee);
    const auto regradee = [&](int lignes) { return notee.count() > 0 && t->rowCount() == lignes; };

    // Bruno's answer, the list of another exercise's pupil: a second row.
    QVERIFY(EcrireReponse(classe + QStringLiteral("/b.rep"), "Bruno", section::EmpreinteExercice(e),
                          {kSed, "Compression", kSed}));
    QTRY_VERIFY_WITH_TIMEOUT(regradee(2), 20000);
    QCOMPARE(Case(t, 1, 0), QStringLiteral("Bruno"));
    QCOMPARE(Case(t, 0, 2), QStringLiteral("20"));

    // Alice's answer taken away: Bruno's row alone.
    notee.clear();
    QVERIFY(QFile::remove(classe + QStringLiteral("/a.rep")));
    QTRY_VERIFY_WITH_TIMEOUT(regradee(1), 20000);
    QCOMPARE(Case(t, 0, 0), QStringLiteral("Bruno"));
    const QString avant = Case(t, 0, 2);
    QVERIFY(avant.toInt() < 20);

    // A list handed in with Bruno's lines, marked below 20; then the
    // exercise rewritten with those lines as its model: the list earns 20.
    notee.clear();
    QVERIFY(EcrireFichier(classe + QStringLiteral("/c.lst"),
                          QByteArray::fromStdString(section::TexteListe({kSed, "Compression", kSed}))));
    QTRY_VERIFY_WITH_TIMEOUT(regradee(2), 20000);
    QCOMPARE(Case(t, 1, 0), QStringLiteral("c"));
    QVERIFY(Case(t, 1, 2).toInt() < 20);
    notee.clear();
    QVERIFY(section::EcrireFichierExercice(dessin::OctetsDeChemin(exo), Exemple(tex, {kSed, "Compression", kSed}))
                .empty());
    QTRY_VERIFY_WITH_TIMEOUT(notee.count() > 0 && Case(t, 1, 2) == QStringLiteral("20"), 20000);
    // Bruno answered the exercise as it was: not this one any more.
    QCOMPARE(Case(t, 0, 2), QString());
    QCOMPARE(Case(t, 0, 4), QStringLiteral("répond à un autre exercice"));

    // The list rewritten in place: its mark follows.
    notee.clear();
    QVERIFY(EcrireFichier(classe + QStringLiteral("/c.lst"), QByteArray::fromStdString(section::TexteListe(kListe))));
    QTRY_VERIFY_WITH_TIMEOUT(notee.count() > 0 && Case(t, 1, 2) != QStringLiteral("20"), 20000);
    QVERIFY(Case(t, 1, 2).toInt() < 20);
    QVERIFY(b.f.messages.messages.empty());
}

QTEST_MAIN(TestFenetreEnseignant)
#include "fenetre_enseignant_test.moc"
