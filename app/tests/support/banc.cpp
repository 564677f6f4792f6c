// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"

#include <QFile>

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
