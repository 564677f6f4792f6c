// SPDX-License-Identifier: GPL-3.0-or-later
// A main window on drawn textures in a temporary application folder, with
// fake services, and the look-ups the window tests share.
#pragma once

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "faux_services.h"
#include "fenetre_principale.h"

struct Banc {
    explicit Banc(TaillesTextures t = {}, bool creerFenetre = true);
    void Creer();  // the window, when the folder had to be prepared first

    QTemporaryDir dossier;
    QString executable;
    FauxServices f;
    std::unique_ptr<FenetrePrincipale> w;

    QPushButton* Bouton(const char* nom) const;
    QAction* Action(const char* nom) const;
    QStringList Liste() const;  // the lines shown by ListBox1
    // A model saved from the view after a granite, the view back at its
    // start; the model's path.
    QString EnregistrerModeleGranite();
    // The model picture at `chemin` loaded from the menu.
    void ChargerModele(const QString& chemin);
    // The model shown in the view's place, with the busy cursor of a
    // comparison; the section back in view, no cursor left over.
    bool EnComparaison() const;
    bool CoupeEnVue() const;
    QString Chemin(const QString& nom) const { return dossier.filePath(nom); }
};

// An exercise titled `titre`, made on the window's own textures from
// `lignes`, written as `nom` in the test's folder; its path, or an empty
// one when it could not be written.
QString EcrireExercice(const Banc& b, const section::Liste& lignes, const QString& nom, const std::string& titre);

// Bytes of a file, or an empty array.
QByteArray Octets(const QString& chemin);
bool EcrireFichier(const QString& chemin, const QByteArray& octets);
