// Event list files: save and text export of the list, load and replay.
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "dossiers.h"
#include "geo.h"
#include "geo_curseur.h"

namespace {

// A list file is a few bytes per event; these bounds keep a wrong file
// from filling the memory or replaying for hours.
constexpr qint64 kOctetsListeMax = 16LL * 1024 * 1024;
constexpr std::size_t kLignesListeMax = 10000;

bool EcrireOctets(const QString& chemin, const std::string& octets) {
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(octets.data(), static_cast<qint64>(octets.size())) !=
        static_cast<qint64>(octets.size())) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

std::optional<section::Liste> LireFichierListe(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    if (f.size() > kOctetsListeMax) return std::nullopt;
    const QByteArray octets = f.read(kOctetsListeMax + 1);
    if (octets.size() > kOctetsListeMax || f.error() != QFileDevice::NoError) return std::nullopt;
    section::Liste lignes =
        section::LireListe(std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())));
    if (lignes.size() > kLignesListeMax) return std::nullopt;
    return lignes;
}

}  // namespace

void TGEOLOGIE::Sauver1Click(QObject* Sender) {
    const int k = TagDe(Sender);
    if (k != 1 && k != 2) return;
    DemandeFichier d;  // SaveDialog2
    d.titre = tr("Sauvegarde de la liste des évennements géologiques");
    d.extensionDefaut = QStringLiteral("lst");
    d.confirmerEcrasement = true;
    d.dossierDoitExister = true;
    d.dossierInitial = RepListes_;
    if (k == 1) {
        d.nomFichier = QStringLiteral("Exemple.lst");
        d.filtre = tr("Fichier Strataloom (*.lst)|*.lst");
    } else {
        d.nomFichier = QStringLiteral("Liste.txt");
        d.filtre = tr("Fichier texte (*.txt)|*.txt");
    }
    if (atelier_.liste.empty()) return;

    const std::optional<QString> choix = services_.fichiers->Enregistrer(d);
    if (choix && !EcrireOctets(*choix, section::TexteListe(atelier_.liste))) {
        services_.messages->Erreur(tr("Impossible de créer le fichier %1").arg(*choix));
        return;
    }
    // The dialog's file name: the chosen one, or the preset bare name.
    RepListes_ = DossierDe(choix ? *choix : d.nomFichier);
}

void TGEOLOGIE::Charger1Click() {
    DemandeFichier d;  // OpenDialog1
    d.titre = tr("Chargement d'une liste d'évennements géologiques");
    d.filtre = tr("Géologie|*.lst");
    d.extensionDefaut = QStringLiteral("lst");
    d.dossierDoitExister = true;
    d.fichierDoitExister = true;
    d.dossierInitial = RepEvenements_;
    d.nomFichier = nomListeOuverte_;
    const std::optional<QString> choix = services_.fichiers->Ouvrir(d);
    if (!choix) return;
    nomListeOuverte_ = *choix;
    // Only a name with the dialog's own extension goes on, in any case.
    if (QFileInfo(*choix).suffix().compare(d.extensionDefaut, Qt::CaseInsensitive) != 0) return;

    repaint();
    InitProfil();
    if (!texturesOk_) return;
    std::optional<section::Liste> lignes = LireFichierListe(*choix);
    if (lignes) {
        atelier_.liste = std::move(*lignes);
    } else {
        // The list keeps the "Sédimentation" of the reset section it shows.
        services_.messages->Information(tr("Chargement impossible"));
    }
    CurseurOccupe curseur;
    try {
        section::Rejouer(atelier_.sec, atelier_.liste);
        section::AfficheProfil(atelier_.sec);
    } catch (const std::exception&) {
        // Out of memory during the replay: the section shows how far it got.
    }
    AfficherListe();
    AfficherProfil();
    MajBoutons();
}
