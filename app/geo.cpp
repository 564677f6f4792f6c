// Start-up of the main window and the section reset.
#include "geo.h"

#include <QAction>
#include <QApplication>
#include <QMetaObject>
#include <QPushButton>

#include "dossiers.h"
#include "geo_curseur.h"
#include "images.h"

int TagDe(const QObject* commande) {
    if (!commande) return 0;
    if (const auto* action = qobject_cast<const QAction*>(commande)) return action->data().toInt();
    return commande->property("tag").toInt();
}

TGEOLOGIE::TGEOLOGIE(const Services& services, const QString& executable, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      executable_(executable.isEmpty() ? QCoreApplication::applicationFilePath() : executable) {
    setObjectName(QStringLiteral("GEOLOGIE"));
    CreerControles();
    CreerMenu();
    FormCreate();
    // Key preview: the window sees every key before the focused control.
    qApp->installEventFilter(this);
}

TGEOLOGIE::~TGEOLOGIE() {
    if (curseurModele_) QApplication::restoreOverrideCursor();
}

void TGEOLOGIE::FormCreate() {
    FichierAide_ = FichierAideDe(executable_);
    qApp->setProperty("HelpFile", FichierAide_);
    SansSon_ = true;
    InitProfil();
    Centrer();
}

// The seven pictures must all load, and their sizes must make a section:
// Couche1 wider than the hidden margin, no empty picture, a section that
// fits in memory. Anything else would leave the operations reading
// pictures that are not there.
bool TGEOLOGIE::ChargerTexturesBase() {
    section::Textures& t = atelier_.sec.tex;
    if (ChargerTextures(RepBase_, t) >= 0) return false;
    for (int i = 0; i < 7; ++i)
        if (section::TextureNumero(t, i).empty()) return false;
    const qint64 w = t.ImSedim1.width(), h = t.ImSedim3.height();
    constexpr qint64 kPixelsMax = 64LL * 1024 * 1024;
    return w > section::MargeCachee && w * h <= kPixelsMax;
}

void TGEOLOGIE::InitProfil() {
    CurseurOccupe curseur;
    RepAppli_ = RepAppliDe(executable_);
    RepBase_ = RepAppli_ + QStringLiteral("Base");
    RepEvenements_ = RepAppli_ + QStringLiteral("Evenements");
    RepModeles_ = RepAppli_ + QStringLiteral("Modeles");
    RepDocuments_ = DossierDocumentsSysteme();
    RepListes_ = RepDocuments_;

    texturesOk_ = ChargerTexturesBase();
    if (texturesOk_) {
        try {
            atelier_.InitProfil();  // rasters, base layer, list, view, availability
        } catch (const std::exception&) {
            texturesOk_ = false;  // a section too big for memory
        }
    }
    if (!texturesOk_) {
        // Nothing may run on pictures that did not load: the commands stay
        // off until the program ends.
        atelier_.annulable = false;
        atelier_.liste.assign(1, section::Ligne(section::kLigneInitiale));
        atelier_.dispo.fill(false);
        curseur.Restaurer();
        services_.messages->Erreur(tr("Un ou plusieurs fichiers d'images sont absents"));
        DemanderFin();
    }
    ActiverAnnuler(false);
    AfficherListe();
    AfficherProfil();
    AppliquerDisponibilite();
    curseur.Restaurer();
    CouleursAide(0);
}

void TGEOLOGIE::DemanderFin() {
    if (finDemandee_) return;
    finDemandee_ = true;
    QMetaObject::invokeMethod(this, &TGEOLOGIE::FinDemandee, Qt::QueuedConnection);
}

void TGEOLOGIE::Quitter1Click() { close(); }
