// SPDX-License-Identifier: GPL-3.0-or-later
#include "icone.h"

// The pictures are those the data generator writes for the desktop, drawn
// here again in memory so the program depends on no file.
QImage ImageIcone(int taille) { return donnees::Icone(taille); }

QIcon IconeProgramme() {
    QIcon icone;
    for (int taille : donnees::kTaillesIcone) icone.addPixmap(QPixmap::fromImage(ImageIcone(taille)));
    return icone;
}

QPixmap LogoProgramme() { return QPixmap::fromImage(donnees::Logo()); }
