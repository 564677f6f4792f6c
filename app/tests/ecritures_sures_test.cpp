// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that cannot be made: into a missing folder, under a plain file, onto
// a folder, into a read-only folder or over a read-only file. Each writer
// (the picture writer, the list save, the picture export) must report the
// failure and leave what was there byte for byte, with no temporary file
// behind. Root ignores access rights: those cases are skipped for it.
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QtTest>

#include "banc.h"
#include "dessin/images.h"

using Genre = FauxMessages::Genre;

namespace {

bool EstRoot() { return geteuid() == 0; }

QAction* Distension(const Banc& b) { return b.Action(section::kEvenements[6].menu); }

}  // namespace

enum class Cible {
    DossierAbsent,
    SousUnFichier,
    DossierALaPlace,
    DossierLectureSeule,
    FichierLectureSeule
};
Q_DECLARE_METATYPE(Cible)

class TestEcritures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ecritureSansPerte_data();
    void ecritureSansPerte();
    void ecritureRemplaceUnFichierOrdinaire();
};

void TestEcritures::ecritureSansPerte_data() {
    QTest::addColumn<int>("ecrivain");  // 0 EcrireImage, 1 list save, 2 picture export
    QTest::addColumn<Cible>("cible");
    const char* const ecrivains[] = {"EcrireImage", "liste", "image"};
    const std::pair<const char*, Cible> cibles[] = {
        {"dossier absent", Cible::DossierAbsent},
        {"sous un fichier", Cible::SousUnFichier},
        {"dossier à la place du fichier", Cible::DossierALaPlace},
        {"dossier en lecture seule", Cible::DossierLectureSeule},
        {"fichier en lecture seule", Cible::FichierLectureSeule}};
    for (int e = 0; e < 3; ++e)
        for (const auto& [nom, cible] : cibles)
            QTest::addRow("%s, %s", ecrivains[e], nom) << e << cible;
}

void TestEcritures::ecritureSansPerte() {
    QFETCH(int, ecrivain);
    QFETCH(Cible, cible);
    const bool permissions =
        cible == Cible::DossierLectureSeule || cible == Cible::FichierLectureSeule;
    if (permissions && EstRoot()) QSKIP("root passe outre les droits d'accès");
    Banc b;
    const QString dossier = b.Chemin(QStringLiteral("sorties"));
    QVERIFY(QDir().mkpath(dossier));
    const QByteArray ancien("contenu à garder\r\n");
    const QString gardien = dossier + QStringLiteral("/garde.bmp");  // the file that must survive
    QVERIFY(EcrireFichier(gardien, ancien));
    QString chemin;
    switch (cible) {
        case Cible::DossierAbsent:
            chemin = dossier + QStringLiteral("/absent/vue.bmp");
            break;
        case Cible::SousUnFichier:
            chemin = gardien + QStringLiteral("/vue.bmp");
            break;
        case Cible::DossierALaPlace:
            chemin = dossier + QStringLiteral("/vue.bmp");
            QVERIFY(QDir().mkpath(chemin));
            QVERIFY(EcrireFichier(chemin + QStringLiteral("/dedans.txt"), ancien));
            break;
        case Cible::DossierLectureSeule:
            chemin = gardien;
            QVERIFY(QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            break;
        case Cible::FichierLectureSeule:
            chemin = gardien;
            QVERIFY(QFile::setPermissions(gardien, QFileDevice::ReadOwner));
            break;
    }
    const QStringList avant =
        QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (ecrivain == 0) {
        QVERIFY(!dessin::EcrireImage(b.w->session().vue(), chemin));
    } else {
        b.f.fichiers.Repondre(chemin);
        b.Action(ecrivain == 1 ? "Sauver1" : "ExporterImage1")->trigger();
        QCOMPARE(b.f.messages.Nombre(Genre::Erreur,
                                     QStringLiteral("Impossible de créer le fichier ") + chemin),
                 1);
        QVERIFY(Distension(b)->isEnabled());  // the program goes on
    }
    QFile::setPermissions(dossier,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(gardien, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(Octets(gardien), ancien);
    if (cible == Cible::DossierALaPlace)
        QCOMPARE(Octets(chemin + QStringLiteral("/dedans.txt")), ancien);
    // No temporary file left behind.
    QCOMPARE(QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             avant);
}

// The control case: where a save can be made, it replaces the old file
// completely and leaves nothing else in the folder.
void TestEcritures::ecritureRemplaceUnFichierOrdinaire() {
    Banc b;
    const QString chemin = b.Chemin(QStringLiteral("Modeles/vue.bmp"));
    QVERIFY(EcrireFichier(chemin, QByteArray(100000, 'x')));
    QVERIFY(dessin::EcrireImage(b.w->session().vue(), chemin));
    const std::optional<section::Raster> relu = dessin::LireBmp(chemin);
    QVERIFY(relu && *relu == b.w->session().vue());
    QCOMPARE(QDir(b.Chemin(QStringLiteral("Modeles"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("vue.bmp")});
}

QTEST_MAIN(TestEcritures)
#include "ecritures_sures_test.moc"
