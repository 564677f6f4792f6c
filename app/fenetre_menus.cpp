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
// session are kept (`garde`).
void FenetrePrincipale::Connecter(QAction* a, section::Commande commande) {
    using section::Commande;
    using F = FenetrePrincipale;
    const auto declencher = [this, a](auto gestionnaire, QAction** garde = nullptr) {
        connect(a, &QAction::triggered, this, gestionnaire);
        if (garde) *garde = a;
    };
    // The check mark of Lettres, Teintes and Sons is what they apply.
    const auto basculer = [this, a](void (F::*gestionnaire)(bool), QAction** garde) {
        connect(a, &QAction::toggled, this, gestionnaire);
        *garde = a;
    };
    switch (commande) {
    case Commande::ChargerModele: declencher(&F::ChargerModele); break;
    case Commande::EnregistrerModele: declencher(&F::EnregistrerModele); break;
    case Commande::ExporterImage: declencher(&F::ExporterImage); break;
    case Commande::ChargerListe: declencher(qOverload<>(&F::ChargerListe)); break;
    case Commande::EnregistrerListe: declencher(&F::EnregistrerListe); break;
    case Commande::ExporterListe: declencher(&F::ExporterListe); break;
    case Commande::Quitter: declencher(&F::Quitter); break;
    case Commande::Annuler: declencher(&F::Annuler, &articleAnnuler_); break;
    case Commande::RetourDebut: declencher(&F::RetourDebut); break;
    case Commande::Lettres: basculer(&F::AfficherLettres, &articleLettres_); break;
    case Commande::Teintes: basculer(&F::AfficherTeintes, &articleTeintes_); break;
    case Commande::Roches: basculer(&F::AfficherRoches, &articleRoches_); break;
    case Commande::Legende: declencher(&F::MontrerLegende); break;
    case Commande::Sons: basculer(&F::ActiverSons, &articleSons_); break;
    case Commande::OuvrirExercice: declencher(qOverload<>(&F::OuvrirExercice)); break;
    case Commande::OuvrirReponse: declencher(qOverload<>(&F::OuvrirReponse), &articleOuvrirReponse_); break;
    case Commande::Verifier: declencher(&F::Verifier, &articleVerifier_); break;
    case Commande::Ordonner: declencher(&F::OrdonnerEvenements, &articleOrdonner_); break;
    case Commande::EnregistrerReponse: declencher(&F::EnregistrerReponse, &articleReponse_); break;
    case Commande::ExporterScorm: declencher(&F::ExporterScorm, &articleScorm_); break;
    case Commande::CreerExercice: declencher(&F::CreerExercice, &articleCreerExercice_); break;
    case Commande::EspaceEnseignant: declencher(&F::OuvrirEspaceEnseignant, &articleEspaceEnseignant_); break;
    case Commande::Aide: declencher(&F::Aide); break;
    case Commande::Avertissement: declencher(&F::Avertissement); break;
    case Commande::APropos: declencher(&F::APropos); break;
    case Commande::Evenements:
    case Commande::Separateur: break;  // built by CreerMenu
    }
}
