// SPDX-License-Identifier: GPL-3.0-or-later
// The window's file commands on hostile ground: a save on a full disk or
// onto a device, a model or a list that is a FIFO or /dev/zero, textures
// that are links to /dev/zero or picture bombs, lists at the line limit.
// Each must show its message at once and leave the disk as it was; a call
// that waits on a FIFO is woken by a watchdog and fails the test.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QtTest>

#include "section/liste.h"
#include "banc.h"
#include "dossier_essai.h"
#include "dessin/images.h"
#include "services_qt.h"

using Genre = FauxMessages::Genre;

namespace {

const QString kAbsents = QStringLiteral("Un ou plusieurs fichiers d'images sont absents");
const QString kChargementImpossible = QStringLiteral("Chargement impossible");
const QString kModeleImpossible = QStringLiteral("Impossible de charger le fichier");
const QString kCreerImpossible = QStringLiteral("Impossible de créer le fichier ");

QStringList Contenu(const QString& dossier) {
    return QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

mode_t Mode(const QString& chemin) {
    struct stat st {};
    return ::lstat(QFile::encodeName(chemin).constData(), &st) == 0 ? st.st_mode : 0;
}

// A reader that still waits on the FIFO after 20 s is woken by a writer
// that comes and goes, and the test is told.
class GardienFifo : public section::test::GardienFifo {
public:
    explicit GardienFifo(const QString& fifo)
        : section::test::GardienFifo(QFile::encodeName(fifo).toStdString(), Attente::Lecteur) {}
};

QByteArray BombeRle(int w, int h) { return QByteArray::fromStdString(section::test::BombeRle(w, h)); }

bool TexturesVides(const section::Textures& t) {
    for (int i = 0; i < 7; ++i)
        if (!section::TextureNumero(t, i).empty()) return false;
    return true;
}

}  // namespace

class TestFichiersHostiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sauverSurUnDisquePleinGardeLaListe();
    void sauverSurUnPeripheriqueEstRefuse();
    void sauverGardeDroitsEtLiens();
    void modeleSansFinOuBloquant_data();
    void modeleSansFinOuBloquant();
    void listeFifoRefuseeAussitot();
    void apercuDUnFifoNAttendPas();
    void texturesSansFinOuBombes_data();
    void texturesSansFinOuBombes();
    void listesALaLimiteDesLignes();
};

// "Sauver la liste des événements" over an existing list on a full disk,
// the overwrite confirmed: the message, and the old list byte for byte.
void TestFichiersHostiles::sauverSurUnDisquePleinGardeLaListe() {
    Banc b;
    const QString point = b.Chemin(QStringLiteral("plein"));
    QDir().mkpath(point);
    section::test::TmpfsMonte disque(QFile::encodeName(point).toStdString(), "size=600k");
    if (!disque.Monte()) QSKIP(disque.Raison().c_str());
    const QString liste = point + QStringLiteral("/classe.lst"), image = point + QStringLiteral("/vue.bmp");
    const QByteArray ancien("S\xE9" "dimentation\r\nErosion\r\n");
    QVERIFY(EcrireFichier(liste, ancien));
    QVERIFY(EcrireFichier(image, ancien));
    b.w->AppliquerEvenement(section::Evenement::Distension);  // a list of two lines to save
    QVERIFY(section::test::Remplir(QFile::encodeName(point).toStdString() + "/bourre"));
    const QStringList avant = Contenu(point);
    b.f.fichiers.Repondre(liste);
    b.Action("Sauver1")->trigger();
    QCOMPARE(b.f.messages.Nombre(Genre::Erreur, kCreerImpossible + liste), 1);
    b.f.fichiers.Repondre(image);
    b.Action("ExporterImage1")->trigger();
    QCOMPARE(b.f.messages.Nombre(Genre::Erreur, kCreerImpossible + image), 1);
    QCOMPARE(Octets(liste), ancien);
    QCOMPARE(Octets(image), ancien);
    QCOMPARE(Contenu(point), avant);  // no temporary file left
    QVERIFY(b.f.fichiers.enregistrements.at(0).confirmerEcrasement);
}

// The window never writes to a device: /dev/null is refused with the
// message and stays the device it is.
void TestFichiersHostiles::sauverSurUnPeripheriqueEstRefuse() {
    Banc b;
    const QString null = QStringLiteral("/dev/null");
    b.f.fichiers.Repondre(null);
    b.Action("Sauver1")->trigger();
    b.f.fichiers.Repondre(null);
    b.Action("ExporterImage1")->trigger();
    QCOMPARE(b.f.messages.Nombre(Genre::Erreur, kCreerImpossible + null), 2);
    QVERIFY(S_ISCHR(Mode(null)));
}

// A list saved over one of mode 0640 keeps it; a symbolic link chosen as
// the name is refused and named, and the file it names keeps its bytes.
void TestFichiersHostiles::sauverGardeDroitsEtLiens() {
    Banc b;
    const QString liste = b.Chemin(QStringLiteral("Evenements/classe.lst"));
    QVERIFY(EcrireFichier(liste, "ancienne\r\n"));
    QVERIFY(::chmod(QFile::encodeName(liste).constData(), 0640) == 0);
    b.f.fichiers.Repondre(liste);
    b.Action("Sauver1")->trigger();
    QVERIFY(b.f.messages.messages.empty());
    const QByteArray attendu = QByteArray::fromStdString(section::TexteListe(b.w->session().liste()));
    QCOMPARE(Octets(liste), attendu);
    QCOMPARE(Mode(liste) & 07777, mode_t(0640));
    const QString lien = b.Chemin(QStringLiteral("lien.lst"));
    QVERIFY(QFile::link(liste, lien));
    QVERIFY(EcrireFichier(liste, "ancienne\r\n"));
    b.f.fichiers.Repondre(lien);
    b.Action("Sauver1")->trigger();
    QCOMPARE(b.f.messages.messages.size(), std::size_t(1));
    QCOMPARE(b.f.messages.messages[0].texte,
             QStringLiteral("« %1 » est un lien symbolique : choisissez un autre nom").arg(QDir::toNativeSeparators(lien)));
    QVERIFY(S_ISLNK(Mode(lien)));
    QCOMPARE(Octets(liste), QByteArray("ancienne\r\n"));
}

void TestFichiersHostiles::modeleSansFinOuBloquant_data() {
    QTest::addColumn<QString>("genre");
    QTest::newRow("/dev/zero") << QStringLiteral("zero");
    QTest::newRow("lien vers /dev/zero") << QStringLiteral("lien");
    QTest::newRow("FIFO sans écrivain") << QStringLiteral("fifo");
    QTest::newRow("au-delà du budget") << QStringLiteral("bombe");
}

// "Charger une image modèle" answered with what never ends or never comes:
// the message at once, the model already loaded kept.
void TestFichiersHostiles::modeleSansFinOuBloquant() {
    QFETCH(QString, genre);
    Banc b;
    const QString petit = b.Chemin(QStringLiteral("Modeles/un.bmp"));
    QVERIFY(TextureUnie(1, 1, qRgb(0, 0, 255)).save(petit, "BMP"));
    b.f.fichiers.Repondre(petit);
    b.Action("Importermodle1")->trigger();
    QCOMPARE(b.w->imageModele().size(), QSize(1, 1));
    QString chemin = QStringLiteral("/dev/zero");
    if (genre == QLatin1String("lien")) {
        chemin = b.Chemin(QStringLiteral("Modeles/zero.bmp"));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), chemin));
    } else if (genre == QLatin1String("fifo")) {
        chemin = b.Chemin(QStringLiteral("Modeles/attente.bmp"));
        QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
    } else if (genre == QLatin1String("bombe")) {
        chemin = b.Chemin(QStringLiteral("Modeles/bombe.bmp"));
        QVERIFY(EcrireFichier(chemin, BombeRle(16384, 2049)));
    }
    GardienFifo gardien(chemin);
    b.f.fichiers.Repondre(chemin);
    b.Action("Importermodle1")->trigger();
    QVERIFY2(!gardien.Bloque(), "la lecture du modèle attendait un écrivain");
    QCOMPARE(b.f.messages.Nombre(Genre::Erreur, kModeleImpossible), 1);
    QCOMPARE(b.w->imageModele().size(), QSize(1, 1));
}

// "Charger une liste d'événements" on a FIFO: refused at once, the window
// goes on.
void TestFichiersHostiles::listeFifoRefuseeAussitot() {
    Banc b;
    const QString fifo = b.Chemin(QStringLiteral("Evenements/attente.lst"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    GardienFifo gardien(fifo);
    b.f.fichiers.Repondre(fifo);
    b.Action("Charger1")->trigger();
    QVERIFY2(!gardien.Bloque(), "la lecture de la liste attendait un écrivain");
    QCOMPARE(b.f.messages.Nombre(Genre::Information, kChargementImpossible), 1);
    QCOMPARE(b.w->session().liste().size(), std::size_t(1));
    QVERIFY(b.Action(section::kEvenements[6].menu)->isEnabled());
    QVERIFY(S_ISFIFO(Mode(fifo)));
}

// The model dialog's preview, shown as the user moves onto a FIFO named
// like a picture, does not open it.
void TestFichiersHostiles::apercuDUnFifoNAttendPas() {
    QTemporaryDir dossier;
    const QString fifo = dossier.filePath(QStringLiteral("attente.bmp"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    FichiersQt fichiers;
    DemandeFichier d;
    d.filtre = QStringLiteral("Bitmaps (*.bmp)|*.bmp");
    d.apercuImage = true;
    d.dossierDoitExister = true;
    d.fichierDoitExister = true;
    d.dossierInitial = dossier.path();
    bool vu = false, bloque = false;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dlg) return;
        vu = true;
        GardienFifo gardien(fifo);
        Q_EMIT dlg->currentChanged(fifo);
        bloque = gardien.Bloque();
        dlg->reject();
    });
    QTimer garde;  // a dialog that never came up is closed anyway
    garde.setSingleShot(true);
    QObject::connect(&garde, &QTimer::timeout, [] {
        if (QWidget* m = QApplication::activeModalWidget()) m->close();
    });
    garde.start(30000);
    QVERIFY(!fichiers.Ouvrir(d).has_value());
    QVERIFY(vu);
    QVERIFY2(!bloque, "l'aperçu attendait un écrivain");
}

void TestFichiersHostiles::texturesSansFinOuBombes_data() {
    QTest::addColumn<QString>("genre");
    QTest::newRow("Couche2.bmp lien vers /dev/zero") << QStringLiteral("zero");
    QTest::newRow("Couche2.bmp FIFO") << QStringLiteral("fifo");
    QTest::newRow("sept bombes RLE") << QStringLiteral("bombes");
    QTest::newRow("six bombes RLE, Coulee0.bmp absent") << QStringLiteral("six");
}

// Textures that never end, never come, or declare far too many pixels: the
// texture message, a clean end, and no picture of the bombs decoded.
void TestFichiersHostiles::texturesSansFinOuBombes() {
    QFETCH(QString, genre);
    Banc b({}, false);
    const auto texture = [&b](int i) {
        return b.Chemin(QStringLiteral("Base/") + QLatin1String(section::kFichiersTextures[i]));
    };
    if (genre == QLatin1String("zero") || genre == QLatin1String("fifo")) {
        QVERIFY(QFile::remove(texture(1)));
        if (genre == QLatin1String("zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), texture(1)));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(texture(1)).constData(), 0600), 0);
    } else {
        for (int i = 0; i < 7; ++i) {
            QVERIFY(QFile::remove(texture(i)));
            if (i < 6 || genre == QLatin1String("bombes")) QVERIFY(EcrireFichier(texture(i), BombeRle(16384, 2048)));
        }
    }
    {
        GardienFifo gardien(texture(1));
        b.Creer();
        QVERIFY2(!gardien.Bloque(), "le chargement des textures attendait un écrivain");
    }
    QCOMPARE(b.f.messages.messages.size(), std::size_t(1));
    QCOMPARE(b.f.messages.messages[0].texte, kAbsents);
    QVERIFY(b.w->finDemandee());
    QVERIFY(!b.Action(section::kEvenements[0].menu)->isEnabled());
    if (genre == QLatin1String("bombes") || genre == QLatin1String("six"))
        QVERIFY(TexturesVides(b.w->session().textures()));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

// 10,000 lines are a list; one more is refused before any replay.
void TestFichiersHostiles::listesALaLimiteDesLignes() {
    Banc b;
    QByteArray juste("S\xE9" "dimentation\r\n");
    for (int i = 1; i < 10000; ++i) juste += i % 1000 == 0 ? "Erosion\r\n" : "rien\r\n";
    const QString chemin = b.Chemin(QStringLiteral("Evenements/limite.lst"));
    QVERIFY(EcrireFichier(chemin, juste));
    b.f.fichiers.Repondre(chemin);
    b.Action("Charger1")->trigger();
    QVERIFY(b.f.messages.messages.empty());
    QCOMPARE(b.w->session().liste().size(), std::size_t(10000));
    QVERIFY(EcrireFichier(chemin, juste + "Erosion\r\n"));
    b.f.fichiers.Repondre(chemin);
    b.Action("Charger1")->trigger();
    QCOMPARE(b.f.messages.Nombre(Genre::Information, kChargementImpossible), 1);
    QCOMPARE(b.w->session().liste().size(), std::size_t(1));
}

QTEST_MAIN(TestFichiersHostiles)
#include "fichiers_hostiles_test.moc"
