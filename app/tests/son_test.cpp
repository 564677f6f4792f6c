// SPDX-License-Identifier: GPL-3.0-or-later
// The sound effects: a wave file plays and stops, anything else is silence
// without a crash, also without an audio device.
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cmath>

#include "son_qt.h"

namespace {

void Ajouter32(QByteArray& o, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    o.append(b, 4);
}
void Ajouter16(QByteArray& o, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    o.append(b, 2);
}

// A mono 16-bit PCM wave file: `secondes` of a 440 Hz tone.
QByteArray Tonalite(double secondes, quint32 frequence = 22050) {
    const auto echantillons = static_cast<quint32>(secondes * frequence);
    QByteArray donnees;
    for (quint32 i = 0; i < echantillons; ++i) {
        const double t = static_cast<double>(i) / frequence;
        Ajouter16(donnees, static_cast<quint16>(static_cast<qint16>(
                               std::lround(8000.0 * std::sin(2.0 * M_PI * 440.0 * t)))));
    }
    QByteArray o("RIFF");
    Ajouter32(o, static_cast<quint32>(36 + donnees.size()));
    o += "WAVEfmt ";
    Ajouter32(o, 16);
    Ajouter16(o, 1);  // PCM
    Ajouter16(o, 1);  // mono
    Ajouter32(o, frequence);
    Ajouter32(o, frequence * 2);
    Ajouter16(o, 2);
    Ajouter16(o, 16);
    o += "data";
    Ajouter32(o, static_cast<quint32>(donnees.size()));
    return o + donnees;
}

bool Poser(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size();
}

}  // namespace

class TestSon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dossier_.isValid());
        ton_ = dossier_.filePath(QStringLiteral("Sedime.Wav"));
        QVERIFY(Poser(ton_, Tonalite(0.5)));
        long_ = dossier_.filePath(QStringLiteral("Plisse.Wav"));
        QVERIFY(Poser(long_, Tonalite(20.0)));
    }

    void reconnaissance_des_fichiers_wave_data() {
        QTest::addColumn<QByteArray>("contenu");  // empty: no file at all
        QTest::addColumn<bool>("wave");
        QTest::newRow("tonalité") << Tonalite(0.1) << true;
        QTest::newRow("en-tête seul") << QByteArray("RIFF\x24\0\0\0WAVE", 12) << true;
        QTest::newRow("texte") << QByteArray("Ceci n'est pas un son.\r\n") << false;
        QTest::newRow("RIFF d'autre chose") << QByteArray("RIFF\x24\0\0\0AVI LIST", 16) << false;
        QTest::newRow("trop court") << QByteArray("RIFF\0", 5) << false;
        QTest::newRow("vide") << QByteArray("", 0) << false;
    }

    void reconnaissance_des_fichiers_wave() {
        QFETCH(QByteArray, contenu);
        QFETCH(bool, wave);
        const QString chemin = dossier_.filePath(QStringLiteral("essai.wav"));
        QVERIFY(Poser(chemin, contenu));
        QCOMPARE(EstFichierWave(chemin), wave);
    }

    void absent_ou_dossier_pas_wave() {
        QVERIFY(!EstFichierWave(dossier_.filePath(QStringLiteral("Absent.Wav"))));
        QVERIFY(!EstFichierWave(dossier_.path()));
        QVERIFY(!EstFichierWave(QString()));
    }

    void fichier_absent_refuse_sans_lecteur() {
        SonQt son;
        QVERIFY(!son.Jouer(dossier_.filePath(QStringLiteral("Absent.Wav"))));
        QVERIFY(!son.effet() || !son.effet()->isPlaying());
        son.Fermer();
    }

    void fichier_qui_n_est_pas_un_son_refuse() {
        const QString faux = dossier_.filePath(QStringLiteral("Erode.Wav"));
        QVERIFY(Poser(faux, "pas un son"));
        SonQt son;
        QVERIFY(!son.Jouer(faux));
        QVERIFY(!son.effet() || !son.effet()->isPlaying());
    }

    void fichier_wave_joue_puis_fermer_l_arrete() {
        SonQt son;
        QVERIFY(son.Jouer(long_));
        QSoundEffect* effet = son.effet();
        QVERIFY(effet);
        QCOMPARE(effet->source(), QUrl::fromLocalFile(long_));
        QVERIFY(effet->isPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(effet->status(), QSoundEffect::Ready, 10000);
        QVERIFY(effet->isPlaying());  // a 20 s tone: still going
        son.Fermer();
        QVERIFY(!effet->isPlaying());
        son.Fermer();  // a second time: nothing
        QVERIFY(!effet->isPlaying());
    }

    void fermer_sans_son_ne_fait_rien() {
        SonQt son;
        son.Fermer();
        son.Fermer();
        QVERIFY(!son.effet());
    }

    void un_nouveau_son_remplace_le_precedent() {
        SonQt son;
        QVERIFY(son.Jouer(long_));
        QTRY_VERIFY_WITH_TIMEOUT(son.effet()->isPlaying(), 10000);
        QVERIFY(son.Jouer(ton_));
        QCOMPARE(son.effet()->source(), QUrl::fromLocalFile(ton_));
        QTRY_VERIFY_WITH_TIMEOUT(son.effet()->isPlaying(), 10000);
        // The same file again starts over.
        QVERIFY(son.Jouer(ton_));
        QTRY_VERIFY_WITH_TIMEOUT(son.effet()->isPlaying(), 10000);
        son.Fermer();
        QVERIFY(!son.effet()->isPlaying());
    }

    // A failed start closes what was playing: the previous sound stops too.
    void echec_arrete_le_son_en_cours() {
        SonQt son;
        QVERIFY(son.Jouer(long_));
        QTRY_VERIFY_WITH_TIMEOUT(son.effet()->isPlaying(), 10000);
        QVERIFY(!son.Jouer(dossier_.filePath(QStringLiteral("Absent.Wav"))));
        QVERIFY(!son.effet()->isPlaying());
    }

    // A wave header over garbage passes the first check; the player's
    // later refusal is silence, with nothing left playing, and the next
    // good file plays.
    void fichier_illisible_par_le_lecteur_se_tait() {
        const QString abime = dossier_.filePath(QStringLiteral("Casse.Wav"));
        QByteArray octets("RIFF\x10\0\0\0WAVEjunk", 16);
        octets += QByteArray(64, '\x7f');
        QVERIFY(Poser(abime, octets));
        SonQt son;
        QVERIFY(son.Jouer(abime));
        QSoundEffect* effet = son.effet();
        QTRY_COMPARE_WITH_TIMEOUT(effet->status(), QSoundEffect::Error, 10000);
        QVERIFY(!effet->isPlaying());
        QVERIFY(son.Jouer(ton_));
        QVERIFY(effet->isPlaying());
        son.Fermer();
        QVERIFY(!effet->isPlaying());
    }

    // Once repaired, the file that failed is read again and plays.
    void fichier_repare_relu() {
        const QString abime = dossier_.filePath(QStringLiteral("Chevauche.Wav"));
        QVERIFY(Poser(abime, QByteArray("RIFF\x10\0\0\0WAVEjunk", 16) + QByteArray(64, '\x7f')));
        SonQt son;
        QVERIFY(son.Jouer(abime));
        QTRY_COMPARE_WITH_TIMEOUT(son.effet()->status(), QSoundEffect::Error, 10000);
        QVERIFY(Poser(abime, Tonalite(0.5)));
        QVERIFY(son.Jouer(abime));
        QTRY_COMPARE_WITH_TIMEOUT(son.effet()->status(), QSoundEffect::Ready, 10000);
        QVERIFY(son.effet()->isPlaying());
        son.Fermer();
    }

private:
    QTemporaryDir dossier_;
    QString ton_, long_;
};

QTEST_MAIN(TestSon)
#include "son_test.moc"
