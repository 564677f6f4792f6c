// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"

#include <QApplication>
#include <QFile>

#include "dessin/images.h"
#include "section/exercice.h"

Banc::Banc(TaillesTextures t, bool creerFenetre) {
    executable = CreerDossierAppli(dossier.path(), t);
    if (creerFenetre) Creer();
}

void Banc::Creer() { w = std::make_unique<FenetrePrincipale>(f.services(), executable); }

QPushButton* Banc::Bouton(const char* nom) const {
    return w->findChild<QPushButton*>(QLatin1String(nom));
}

QAction* Banc::Action(const char* nom) const { return w->findChild<QAction*>(QLatin1String(nom)); }

QStringList Banc::Liste() const {
    QStringList l;
    const auto* liste = w->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    for (int i = 0; liste && i < liste->count(); ++i) l << liste->item(i)->text();
    return l;
}

QByteArray Octets(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

bool EcrireFichier(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

QString Banc::EnregistrerModeleGranite() {
    Bouton("Granite")->click();
    const QString chemin = Chemin(QStringLiteral("Modeles/modele.bmp"));
    f.fichiers.Repondre(chemin);
    Action("Sauvercommemodle1")->trigger();
    Bouton("Efface")->click();
    return chemin;
}

void Banc::ChargerModele(const QString& chemin) {
    f.fichiers.Repondre(chemin);
    Action("Importermodle1")->trigger();
}

bool Banc::EnComparaison() const {
    const auto* vue = w->findChild<QWidget*>(QStringLiteral("Visu"));
    const auto* modele = w->findChild<QWidget*>(QStringLiteral("Modele"));
    return !vue->isVisible() && modele->isVisible() && QApplication::overrideCursor() &&
           QApplication::overrideCursor()->shape() == Qt::BusyCursor;
}

bool Banc::CoupeEnVue() const {
    const auto* vue = w->findChild<QWidget*>(QStringLiteral("Visu"));
    const auto* modele = w->findChild<QWidget*>(QStringLiteral("Modele"));
    return vue->isVisible() && !modele->isVisible() && !QApplication::overrideCursor();
}

QString EcrireExercice(const Banc& b, const section::Liste& lignes, const QString& nom, const std::string& titre) {
    section::Session s;
    s.DefinirTextures(b.w->session().textures());
    s.Charger(lignes);
    section::Exercice e;
    e.titre = titre;
    e.lignes = lignes;
    e.cible = s.vue();
    const QString chemin = b.Chemin(nom);
    if (!section::EcrireFichierExercice(dessin::OctetsDeChemin(chemin), e).empty()) return {};
    return chemin;
}
