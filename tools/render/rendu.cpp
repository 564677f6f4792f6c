#include "rendu.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cstdio>

#include "images.h"

namespace rendu {

QString Cite(const QString& chemin) { return QStringLiteral("« %1 »").arg(chemin); }

std::optional<Erreur> ChargerBase(const QString& dossier, section::Textures& t) {
    const int echec = ChargerTextures(dossier, t);
    if (echec >= 0) {
        const QString fichier = dossier + QLatin1Char('/') +
                                QLatin1String(section::kFichiersTextures[echec]);
        return Erreur{QStringLiteral("Un ou plusieurs fichiers d'images sont absents : %1 manque ou est illisible")
                          .arg(Cite(fichier))};
    }
    if (t.ImSedim1.width() <= section::MargeCachee) {
        return Erreur{QStringLiteral("%1 doit faire plus de %2 pixels de large")
                          .arg(Cite(dossier + QStringLiteral("/Couche1.bmp")),
                               QString::number(section::MargeCachee))};
    }
    return std::nullopt;
}

namespace {

// Reads at most kTailleListeMax + 1 bytes, so an oversized file or stream
// is recognised without reading it whole.
bool LireBorne(QFile& f, QByteArray& octets) {
    octets.clear();
    while (octets.size() <= kTailleListeMax) {
        const QByteArray morceau = f.read(kTailleListeMax + 1 - octets.size());
        if (morceau.isEmpty()) return f.error() == QFileDevice::NoError;
        octets += morceau;
    }
    return true;
}

}  // namespace

std::optional<section::Liste> LireFichierListe(const QString& chemin, Erreur& erreur) {
    QFile f;
    const bool entree = chemin == QLatin1String("-");
    const QString nom = entree ? QStringLiteral("entrée standard") : chemin;
    bool ouvert = false;
    if (entree) {
        ouvert = f.open(stdin, QIODevice::ReadOnly);
    } else {
        f.setFileName(chemin);
        ouvert = f.open(QIODevice::ReadOnly);
    }
    if (!ouvert) {
        erreur.message = QStringLiteral("Chargement impossible : %1 ne peut pas être ouvert").arg(Cite(nom));
        return std::nullopt;
    }
    QByteArray octets;
    if (!LireBorne(f, octets)) {
        erreur.message = QStringLiteral("Chargement impossible : %1 ne peut pas être lu").arg(Cite(nom));
        return std::nullopt;
    }
    if (octets.size() > kTailleListeMax) {
        erreur.message = QStringLiteral("Chargement impossible : %1 dépasse 16 Mio").arg(Cite(nom));
        return std::nullopt;
    }
    return section::LireListe(std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())));
}

void Rejouer(section::Atelier& a, const section::Liste& liste) { a.Charger(liste); }

bool PourChaqueEtape(section::Atelier& a, const section::Liste& liste,
                     const std::function<bool(int etape, const section::Raster& vue)>& vue) {
    a.InitProfil();
    if (!vue(0, a.sec.Visu)) return false;
    const std::size_t n = liste.size();
    for (std::size_t i = 1; i < n; ++i) {
        section::RejouerLigne(a.sec, liste[i]);
        section::AfficheProfil(a.sec);
        if (!vue(static_cast<int>(i), a.sec.Visu)) return false;
    }
    return true;
}

std::optional<Erreur> EcrireImageSelonNom(const section::Raster& r, const QString& chemin, bool bmpSeulement) {
    const bool png = !bmpSeulement && chemin.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    if (!EcrireImage(r, chemin, png ? "PNG" : "BMP"))
        return Erreur{QStringLiteral("Impossible de créer le fichier %1").arg(chemin)};
    return std::nullopt;
}

std::optional<Erreur> EcrireFichier(const QByteArray& octets, const QString& chemin) {
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size() || !f.commit())
        return Erreur{QStringLiteral("Impossible de créer le fichier %1").arg(chemin)};
    return std::nullopt;
}

QByteArray EtatJson(const section::Atelier& a) {
    const section::Section& s = a.sec;
    QJsonObject o;
    o.insert(QStringLiteral("SurfaceBas"), s.SurfaceBas);
    o.insert(QStringLiteral("SurfaceHaut"), s.SurfaceHaut);
    o.insert(QStringLiteral("FacteurPli"), s.FacteurPli);
    o.insert(QStringLiteral("FacteurPliPrec"), s.FacteurPliPrec);
    o.insert(QStringLiteral("HautSocle"), section::HautSocle(s));
    QJsonArray lignes;
    for (const section::Ligne& l : a.liste)
        lignes.append(QString::fromStdString(section::Utf8DeLigne(l)));
    o.insert(QStringLiteral("lignes"), lignes);
    QJsonObject commandes;
    for (const section::TypeEvenement& e : section::kEvenements)
        commandes.insert(QString::fromStdString(section::Utf8DeLigne(e.ligne)),
                         a.dispo[static_cast<std::size_t>(e.tag)]);
    o.insert(QStringLiteral("commandes"), commandes);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

}  // namespace rendu
