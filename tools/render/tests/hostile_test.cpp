// SPDX-License-Identifier: GPL-3.0-or-later
// strataloom-render on hostile ground: a full disk, device nodes, endless
// and blocking files, picture bombs, overlong lists, a lost standard output
// and names that are not UTF-8. The real program is started with byte
// strings as arguments, and killed by a watchdog if it ever waits; every
// refusal is exit 1 with a French message naming the file, and leaves what
// was on the disk byte for byte.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "dessin/images.h"
#include "dossier_essai.h"
#include "outils.h"
#include "section/bmp.h"
#include "section/liste.h"
#include "textures_essai.h"

extern char** environ;

namespace {

using section::test::BombeRle;
using section::test::Ecrire;
using section::test::Octets;
using section::test::Remplir;
using section::test::TmpfsMonte;

// --- Running the program with byte strings ------------------------------------

struct Lancement {
    Lancement(std::vector<std::string> a, std::string e = "/dev/null", std::string s = {}, bool aj = false,
              std::string l = {})
        : args(std::move(a)), entree(std::move(e)), sortie(std::move(s)), ajout(aj), lang(std::move(l)) {}
    std::vector<std::string> args;
    std::string entree;  // standard input, opened by name
    std::string sortie;  // standard output: a file, or a pipe read back when empty
    bool ajout;          // the output file opened for appending
    std::string lang;    // LANG for the run, or the test's own
};

struct Resultat {
    int code = -1;       // -1: killed by the watchdog, or did not start
    bool tue = false;    // still running after the watchdog's delay
    std::string out, err;
    QString Err() const { return QString::fromUtf8(err.data(), static_cast<qsizetype>(err.size())); }
};

// Runs strataloom-render; a run still going after 30 s is killed (a read or
// a write waiting for ever) and reported as such.
Resultat Executer(const Lancement& l) {
    Resultat r;
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return r;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, l.entree.c_str(), O_RDONLY | O_NONBLOCK, 0);
    if (l.sortie.empty())
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, l.sortie.c_str(),
                                         O_WRONLY | O_CREAT | (l.ajout ? O_APPEND : O_TRUNC), 0644);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string v(*e);
        if (!l.lang.empty() && (v.rfind("LANG=", 0) == 0 || v.rfind("LC_", 0) == 0)) continue;
        env.push_back(v);
    }
    if (!l.lang.empty()) env.push_back("LANG=" + l.lang);
    std::vector<char*> envp, argv;
    for (std::string& v : env) envp.push_back(v.data());
    envp.push_back(nullptr);
    std::string programme = STRATALOOM_RENDER;
    argv.push_back(programme.data());
    std::vector<std::string> args = l.args;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    pid_t pid = -1;
    const int lance = ::posix_spawn(&pid, programme.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    if (lance == 0) {
        const auto fin = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
        int ouverts = 2;
        char tampon[65536];
        while (ouverts > 0) {
            const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(fin - std::chrono::steady_clock::now());
            if (reste.count() <= 0) {
                r.tue = true;
                ::kill(pid, SIGKILL);
                break;
            }
            if (::poll(fds, 2, static_cast<int>(reste.count())) < 0 && errno != EINTR) break;
            for (int i = 0; i < 2; ++i) {
                if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
                const ssize_t n = ::read(fds[i].fd, tampon, sizeof tampon);
                if (n > 0) {
                    (i ? r.err : r.out).append(tampon, static_cast<std::size_t>(n));
                } else {
                    fds[i].fd = -1;
                    --ouverts;
                }
            }
        }
        int statut = 0;
        ::waitpid(pid, &statut, 0);
        if (!r.tue && WIFEXITED(statut)) r.code = WEXITSTATUS(statut);
    }
    ::close(out[0]);
    ::close(err[0]);
    return r;
}

QStringList Contenu(const std::string& dossier) {
    return QDir(dessin::CheminDeOctets(dossier)).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

mode_t Mode(const std::string& chemin) {
    struct stat st {};
    return ::lstat(chemin.c_str(), &st) == 0 ? st.st_mode : 0;
}

// --- Files of their own ---------------------------------------------------------

const std::string kListe = "S\xE9" "dimentation\r\nErosion\r\nCompression\r\n";

bool EcrireTextures(const std::string& dossier, const section::Textures& t) {
    if (::mkdir(dossier.c_str(), 0755) != 0 && errno != EEXIST) return false;
    for (int i = 0; i < 7; ++i)
        if (!Ecrire(dossier + "/" + section::kFichiersTextures[i], section::EcrireBmp(section::TextureNumero(t, i))))
            return false;
    return true;
}

}  // namespace

class HostileTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;
    std::string racine_, base_, petite_, liste_;
    std::string Chemin(const std::string& nom) const { return racine_ + "/" + nom; }
    Resultat Rendre(std::vector<std::string> args, const std::string& base = {}) {
        args.insert(args.begin(), {"--base", base.empty() ? base_ : base});
        return Executer({args});
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(tmp_.isValid());
        ::signal(SIGPIPE, SIG_IGN);
        racine_ = dessin::OctetsDeChemin(tmp_.path());
        base_ = Chemin("Base");
        QVERIFY(QDir().mkpath(dessin::CheminDeOctets(base_)));
        QVERIFY(essai::EcrireTextures(dessin::CheminDeOctets(base_)));
        // Couche1 101 pixels wide: a view of 1 x 480, a picture of 2 KB.
        petite_ = Chemin("BasePetite");
        QVERIFY(EcrireTextures(petite_, section::test::TexturesSimples(101, 600)));
        liste_ = Chemin("granite.lst");
        QVERIFY(Ecrire(liste_, kListe));
    }

    // QTemporaryDir cannot remove the names that are not UTF-8.
    void cleanupTestCase() {
        std::error_code e;
        std::filesystem::remove_all(racine_, e);
    }

    // --- A full disk ------------------------------------------------------------

    void disquePleinGardeLesAnciensFichiers() {
        const std::string point = Chemin("plein");
        ::mkdir(point.c_str(), 0755);
        TmpfsMonte disque(point, "size=600k");
        if (!disque.Monte()) QSKIP(disque.Raison().c_str());
        const std::string etat = point + "/keep.json", bmp = point + "/small.bmp", png = point + "/small.png";
        // The control case: with room left, each write is made.
        QCOMPARE(Rendre({liste_, "--state", etat}).code, 0);
        QVERIFY(Octets(etat).find("Compression") != std::string::npos);
        QCOMPARE(Rendre({liste_, "-o", bmp}, petite_).code, 0);
        QCOMPARE(Octets(bmp).size(), std::size_t{54 + 4 * 480});
        const std::string ancien = "ancien contenu, à garder\n";
        std::vector<std::string> exercice;
        for (const char* nom : {"exercice-1-01.lst", "exercice-1-01.bmp", "exercice-1-02.lst", "exercice-1-02.bmp"})
            exercice.push_back(point + "/" + nom);
        for (const std::string& f : {etat, bmp, png}) QVERIFY(Ecrire(f, ancien));
        for (const std::string& f : exercice) QVERIFY(Ecrire(f, ancien));

        QVERIFY(Remplir(point + "/bourre"));
        const QStringList avant = Contenu(point);
        struct Cas {
            std::vector<std::string> args;
            std::string base, fichier;
        };
        const Cas cas[] = {
            {{liste_, "--state", etat}, base_, etat},
            {{liste_, "-o", bmp}, petite_, bmp},
            {{liste_, "-o", png}, petite_, png},
            // Seed 2: names of its own, none taken, so the full disk stops it.
            {{"--exercise", "2", "--events", "3", "--seed", "2", "--out-dir", point}, base_, point + "/exercice-2-01.lst"},
        };
        for (const Cas& c : cas) {
            const Resultat r = Rendre(c.args, c.base);
            QCOMPARE(r.code, 1);
            QVERIFY2(r.Err().contains(QStringLiteral("Impossible de créer le fichier ") + dessin::CheminDeOctets(c.fichier)),
                     r.err.c_str());
            QVERIFY2(r.Err().contains(QStringLiteral("le disque est plein")), r.err.c_str());
            for (const std::string& f : {etat, bmp, png}) QCOMPARE(Octets(f), ancien);
            for (const std::string& f : exercice) QCOMPARE(Octets(f), ancien);
            QCOMPARE(Contenu(point), avant);  // no temporary file left
        }
    }

    // --- What is not a regular file ---------------------------------------------

    void peripheriquesJamaisRemplaces() {
        if (::geteuid() != 0) QSKIP("mknod demande d'être root");
        const std::string d = Chemin("D");
        QCOMPARE(::mkdir(d.c_str(), 0755), 0);
        if (::mknod((d + "/null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
            ::mknod((d + "/full").c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0 ||
            ::mknod((d + "/bloc").c_str(), S_IFBLK | 0600, makedev(7, 200)) != 0)
            QSKIP("mknod refusé ici");
        // A folder on a file system mounted nodev holds device nodes that
        // cannot be opened.
        const int essai = ::open((d + "/null").c_str(), O_WRONLY | O_CLOEXEC);
        if (essai < 0) QSKIP("les périphériques ne s'ouvrent pas dans ce dossier (nodev)");
        ::close(essai);
        Resultat r = Rendre({liste_, "-o", d + "/null"});
        QCOMPARE(r.code, 0);
        r = Rendre({liste_, "--state", d + "/full"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.Err().contains(QStringLiteral("Impossible de créer le fichier ") + dessin::CheminDeOctets(d + "/full")),
                 r.err.c_str());
        QVERIFY(r.Err().contains(QStringLiteral("le disque est plein")));
        // A block device is not written to: refused, with the reason.
        r = Rendre({liste_, "-o", d + "/bloc"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.Err().contains(QStringLiteral("ce n'est pas un fichier ordinaire")), r.err.c_str());
        QVERIFY(S_ISCHR(Mode(d + "/null")) && S_ISCHR(Mode(d + "/full")) && S_ISBLK(Mode(d + "/bloc")));
        struct stat st {};
        QCOMPARE(::stat((d + "/full").c_str(), &st), 0);
        QCOMPARE(st.st_rdev, makedev(1, 7));
        QCOMPARE(Contenu(d), (QStringList{QStringLiteral("bloc"), QStringLiteral("full"), QStringLiteral("null")}));
    }

    // Standard output and a pipe named on the command line are written to.
    void sortieStandardEtTube() {
        const std::string fichier = Chemin("vue.bmp");
        QCOMPARE(Rendre({liste_, "-o", fichier}).code, 0);
        Resultat r = Rendre({liste_, "-o", "/dev/stdout"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, Octets(fichier));
        // Sent to a file after other bytes: written after them, not over them.
        const std::string journal = Chemin("journal.txt");
        QVERIFY(Ecrire(journal, "avant\n"));
        r = Executer({{"--base", base_, liste_, "--state", "/dev/stdout"}, "/dev/null", journal, true});
        QCOMPARE(r.code, 0);
        const std::string lu = Octets(journal);
        QVERIFY2(lu.rfind("avant\n{", 0) == 0, lu.substr(0, 40).c_str());
        QVERIFY(lu.find("Compression") != std::string::npos);
        // A FIFO someone reads.
        const std::string fifo = Chemin("tube.bmp");
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        std::string recu;
        std::thread lecteur([&] {
            const int fd = ::open(fifo.c_str(), O_RDONLY | O_CLOEXEC);
            char tampon[65536];
            ssize_t n = 0;
            while (fd >= 0 && (n = ::read(fd, tampon, sizeof tampon)) > 0) recu.append(tampon, static_cast<std::size_t>(n));
            if (fd >= 0) ::close(fd);
        });
        r = Rendre({liste_, "-o", fifo});
        if (r.code != 0) {  // the reader waits for a writer: give it one
            const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) ::close(fd);
        }
        lecteur.join();
        QCOMPARE(r.code, 0);
        QCOMPARE(recu, Octets(fichier));
        QVERIFY(S_ISFIFO(Mode(fifo)));
    }

    // --- Endless and blocking reads ---------------------------------------------

    void lecturesSansFinOuBloquantes() {
        const std::string zero = Chemin("BaseZero");
        QVERIFY(EcrireTextures(zero, section::test::TexturesSimples(640, 600)));
        QCOMPARE(::unlink((zero + "/Couche2.bmp").c_str()), 0);
        QCOMPARE(::symlink("/dev/zero", (zero + "/Couche2.bmp").c_str()), 0);
        const std::string fifo = Chemin("attente.lst");
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        const std::string modeleFifo = Chemin("attente.bmp");
        QCOMPARE(::mkfifo(modeleFifo.c_str(), 0600), 0);
        const std::string bombe = Chemin("bombe.bmp");
        QVERIFY(Ecrire(bombe, BombeRle(16384, 2049)));
        struct Cas {
            const char* nom;
            std::vector<std::string> args;
            std::string base, cite, message;
        };
        const Cas cas[] = {
            {"modèle /dev/zero", {"--compare", "/dev/zero", liste_}, base_, "/dev/zero", "Impossible de charger le fichier"},
            {"Couche2.bmp vers /dev/zero", {liste_, "-o", Chemin("x.bmp")}, zero, zero + "/Couche2.bmp",
             "Un ou plusieurs fichiers d'images sont absents"},
            {"liste /dev/zero", {"/dev/zero", "-o", Chemin("x.bmp")}, base_, "/dev/zero", "Chargement impossible"},
            {"liste FIFO", {fifo, "-o", Chemin("x.bmp")}, base_, fifo, "Chargement impossible"},
            {"corrigé FIFO", {"--grade", fifo, liste_}, base_, fifo, "Chargement impossible"},
            {"modèle FIFO", {"--compare", modeleFifo, liste_}, base_, modeleFifo, "Impossible de charger le fichier"},
            {"modèle au-delà du budget", {"--compare", bombe, liste_}, base_, bombe, "Impossible de charger le fichier"},
        };
        for (const Cas& c : cas) {
            const Resultat r = Rendre(c.args, c.base);
            QVERIFY2(!r.tue, c.nom);
            QCOMPARE(r.code, 1);
            QVERIFY2(r.Err().contains(QString::fromStdString(c.message)), c.nom);
            QVERIFY2(r.Err().contains(QStringLiteral("« ") + dessin::CheminDeOctets(c.cite) + QStringLiteral(" »")), r.err.c_str());
        }
        QVERIFY(!QFile::exists(dessin::CheminDeOctets(Chemin("x.bmp"))));
        // Standard input stays a list source, be it a pipe...
        Resultat r = Executer({{"--base", base_, "-", "--state", "/dev/stdout"}, liste_});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.find("Compression") != std::string::npos);
        // ... and it is read within the limit, /dev/zero included.
        r = Executer({{"--base", base_, "-", "-o", Chemin("x.bmp")}, "/dev/zero"});
        QVERIFY(!r.tue);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.Err().contains(QStringLiteral("entrée standard")) && r.Err().contains(QStringLiteral("16 Mio")),
                 r.err.c_str());
    }

    // --- Picture bombs --------------------------------------------------------------

    void texturesBombes() {
        const std::string rle = Chemin("BaseRle"), rle6 = Chemin("BaseRle6"), unBit = Chemin("BaseUnBit");
        for (const std::string& d : {rle, rle6, unBit}) QCOMPARE(::mkdir(d.c_str(), 0755), 0);
        const std::string bombe = BombeRle(16384, 2048);
        QVERIFY(bombe.size() < 2048);
        const std::size_t pas = (16384 + 31) / 32 * 4;
        const QImage mono = [] {
            QImage i(16384, 2048, QImage::Format_Mono);
            i.fill(1);
            return i;
        }();
        for (int i = 0; i < 7; ++i) {
            const std::string nom = section::kFichiersTextures[i];
            QVERIFY(Ecrire(rle + "/" + nom, bombe));
            if (i < 6) QVERIFY(Ecrire(rle6 + "/" + nom, bombe));
            QVERIFY(mono.save(dessin::CheminDeOctets(unBit + "/" + nom), "BMP"));
        }
        QVERIFY(Octets(unBit + "/Couche1.bmp").size() >= pas * 2048);
        for (const std::string& d : {rle, rle6, unBit}) {
            const Resultat r = Rendre({liste_, "-o", Chemin("x.bmp")}, d);
            QVERIFY(!r.tue);
            QCOMPARE(r.code, 1);
            QVERIFY2(r.Err().contains(QStringLiteral("Les images de « ") + dessin::CheminDeOctets(d)) &&
                         r.Err().contains(QStringLiteral("les images sont trop grandes")),
                     r.err.c_str());
        }
        QVERIFY(!QFile::exists(dessin::CheminDeOctets(Chemin("x.bmp"))));
    }

    // --- Lists: the window's limits ---------------------------------------------

    void listesAuxLimitesDeLaFenetre() {
        std::string chevauchements, vides(16u * 1024 * 1024, '\n'), commentaires;
        for (int i = 0; i < 10001; ++i) chevauchements += "Chevauchement\r\n";
        for (int i = 0; i < 10000; ++i) commentaires += "rien\r\n";
        const std::string longue = Chemin("longue.lst"), blanche = Chemin("blanche.lst"), juste = Chemin("juste.lst");
        QVERIFY(Ecrire(longue, chevauchements));
        QVERIFY(Ecrire(blanche, vides));
        QVERIFY(Ecrire(juste, commentaires));
        for (const std::string& l : {longue, blanche}) {
            Resultat r = Rendre({l, "-o", Chemin("x.bmp")});
            QVERIFY(!r.tue);
            QCOMPARE(r.code, 1);
            QVERIFY2(r.Err().contains(QStringLiteral("Chargement impossible : « ") + dessin::CheminDeOctets(l)) &&
                         r.Err().contains(QStringLiteral("plus de 10 000 lignes")),
                     r.err.c_str());
            r = Executer({{"--base", base_, "--grade", liste_, l}});
            QCOMPARE(r.code, 1);
            QVERIFY(r.Err().contains(QStringLiteral("plus de 10 000 lignes")));
            r = Executer({{"--base", base_, "-", "-o", Chemin("x.bmp")}, l});
            QCOMPARE(r.code, 1);
            QVERIFY(r.Err().contains(QStringLiteral("plus de 10 000 lignes")));
        }
        QVERIFY(!QFile::exists(dessin::CheminDeOctets(Chemin("x.bmp"))));
        QCOMPARE(Rendre({juste, "-o", Chemin("x.bmp")}).code, 0);  // 10,000 lines are a list
    }

    // --- A lost standard output ------------------------------------------------

    void sortiePerdueEstUnEchec() {
        const std::string modele = Chemin("modele.bmp");
        QCOMPARE(Rendre({liste_, "-o", modele}).code, 0);
        const std::vector<std::vector<std::string>> commandes = {
            {"--base", base_, "--grade", liste_, liste_, liste_},
            {"--base", base_, "--compare", modele, liste_},
        };
        for (const auto& args : commandes) {
            Resultat r = Executer({args, "/dev/null", Chemin("sortie.txt")});
            QCOMPARE(r.code, 0);  // the control case
            QVERIFY(!Octets(Chemin("sortie.txt")).empty());
            r = Executer({args, "/dev/null", "/dev/full"});
            QCOMPARE(r.code, 1);
            QVERIFY2(r.Err().contains(QStringLiteral("la sortie standard n'a pas pu être écrite")), r.err.c_str());
        }
    }

    // --- Names that are not UTF-8 ---------------------------------------------

    void nomsQuiNeSontPasDeLUtf8_data() {
        QTest::addColumn<QString>("lang");
        QTest::newRow("C") << QStringLiteral("C");
        QTest::newRow("fr_FR.UTF-8") << QStringLiteral("fr_FR.UTF-8");
    }

    void nomsQuiNeSontPasDeLUtf8() {
        QFETCH(QString, lang);
        const std::string d = Chemin("latin1-" + lang.toStdString());
        QCOMPARE(::mkdir(d.c_str(), 0755), 0);
        const std::string liste = d + "/\xE9rosion.lst";  // "érosion" in Latin-1
        QVERIFY(Ecrire(liste, kListe));
        const std::string image = d + "/\xE9rosion.png";
        Resultat r = Executer({{"--base", base_, liste, "-o", image}, "/dev/null", {}, false, lang.toStdString()});
        QVERIFY2(r.code == 0, r.err.c_str());
        QVERIFY(Octets(image).rfind("\x89PNG", 0) == 0);
        r = Executer({{"--base", base_, "--grade", liste, liste}, "/dev/null", {}, false, lang.toStdString()});
        QVERIFY2(r.code == 0, r.err.c_str());
        QVERIFY2(r.out.find(";100,0;100,0;2") != std::string::npos, r.out.c_str());
        const std::string dossier = d + "/images-\xE9l\xE8ves";
        r = Executer({{"--base", base_, "--out-dir", dossier, liste}, "/dev/null", {}, false, lang.toStdString()});
        QVERIFY2(r.code == 0, r.err.c_str());
        const auto vue = dessin::LireBmp(dessin::CheminDeOctets(dossier + "/\xE9rosion.bmp"));
        QVERIFY(vue.has_value());
        QVERIFY(*vue == essai::Charge(dessin::CheminDeOctets(base_), section::LireListe(kListe)).vue());
    }
};

QTEST_GUILESS_MAIN(HostileTest)
#include "hostile_test.moc"
