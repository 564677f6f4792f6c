// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar, built from the engine's table of commands: the menus and
// items offered to the window, in the table's order, with their captions,
// object names and shortcuts; each item connected to the handler of its
// command.
#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>

#include "fenetre_principale.h"
#include "menu_raccourcis.h"
#include "dessin/noms.h"

namespace {

QString Libelle(const char* libelle) { return QString::fromStdString(section::LibelleCommande(libelle)); }

}  // namespace

void FenetrePrincipale::CreerMenu() {
    using section::Commande;
    // The menu keeps the system's menu font, not the window's bold one.
    menuBar()->setFont(QGuiApplication::font());
    for (const section::MenuBarre& m : section::Menus()) {
        if (!section::Offert(m.edition, section::Edition::Fenetre)) continue;
        // A menu that shows every shortcut of an item ("&Quitter" has two).
        QMenu* menu = new MenuRaccourcis(Libelle(m.libelle), this);
        menuBar()->addMenu(menu);
        menu->setObjectName(QLatin1String(m.nom));
        for (const section::ArticleMenu& article : m.articles) {
            if (!section::Offert(article.edition, section::Edition::Fenetre)) continue;
            switch (article.commande) {
            case Commande::Separateur:
                menu->addSeparator();
                break;
            case Commande::Evenements:
                // The seven event items; their tooltips say what each does
                // and why it is off.
                for (std::size_t i = 0; i < section::kEvenements.size(); ++i) {
                    const section::TypeEvenement& t = section::kEvenements[i];
                    QAction* a = menu->addAction(dessin::NomAffiche(t.ligne));
                    a->setObjectName(QLatin1String(t.menu));
                    connect(a, &QAction::triggered, this, [this, e = t.evenement] { AppliquerEvenement(e); });
                    articlesEvenements_[i] = a;
                }
                menu->setToolTipsVisible(true);
                break;
            default:
                Connecter(CreerArticle(menu, article), article.commande);
                break;
            }
        }
    }
    MajMenuExercice();
}

QAction* FenetrePrincipale::CreerArticle(QMenu* menu, const section::ArticleMenu& article) {
    QAction* a = menu->addAction(Libelle(article.libelle));
    a->setObjectName(QLatin1String(article.nom));
    a->setCheckable(article.cochable);
    QList<QKeySequence> raccourcis;
    for (const char* r : article.raccourcis)
        if (r) raccourcis << QKeySequence(QString::fromLatin1(r));
    a->setShortcuts(raccourcis);
    return a;
}

// Each command with its handler; the items whose state follows the
// session are kept.
void FenetrePrincipale::Connecter(QAction* a, section::Commande commande) {
    using section::Commande;
    using F = FenetrePrincipale;
    const auto declencher = [this, a](auto gestionnaire) { connect(a, &QAction::triggered, this, gestionnaire); };
    switch (commande) {
    case Commande::ChargerModele: declencher(&F::ChargerModele); break;
    case Commande::EnregistrerModele: declencher(&F::EnregistrerModele); break;
    case Commande::ExporterImage: declencher(&F::ExporterImage); break;
    case Commande::ChargerListe: declencher(qOverload<>(&F::ChargerListe)); break;
    case Commande::EnregistrerListe: declencher(&F::EnregistrerListe); break;
    case Commande::ExporterListe: declencher(&F::ExporterListe); break;
    case Commande::Quitter: declencher(&F::Quitter); break;
    case Commande::Annuler:
        articleAnnuler_ = a;
        a->setEnabled(false);
        declencher(&F::Annuler);
        break;
    case Commande::RetourDebut: declencher(&F::RetourDebut); break;
    case Commande::Lettres:
        articleLettres_ = a;
        connect(a, &QAction::toggled, this, &F::AfficherLettres);
        break;
    case Commande::Teintes:
        articleTeintes_ = a;
        connect(a, &QAction::toggled, this, &F::AfficherTeintes);
        break;
    case Commande::Legende: declencher(&F::MontrerLegende); break;
    case Commande::OuvrirExercice: declencher(qOverload<>(&F::OuvrirExercice)); break;
    case Commande::Verifier:
        articleVerifier_ = a;
        declencher(&F::Verifier);
        break;
    case Commande::Ordonner:
        articleOrdonner_ = a;
        declencher(&F::OrdonnerEvenements);
        break;
    case Commande::EnregistrerReponse:
        articleReponse_ = a;
        declencher(&F::EnregistrerReponse);
        break;
    case Commande::CreerExercice:
        articleCreerExercice_ = a;
        declencher(&F::CreerExercice);
        break;
    case Commande::EspaceEnseignant:
        articleEspaceEnseignant_ = a;
        declencher(&F::OuvrirEspaceEnseignant);
        break;
    case Commande::Aide: declencher(&F::Aide); break;
    case Commande::Avertissement: declencher(&F::Avertissement); break;
    case Commande::APropos: declencher(&F::APropos); break;
    case Commande::Evenements:
    case Commande::Separateur: break;  // built by CreerMenu
    }
}
