// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the contract between the data files and the program, shared by
// the tests of the pictures in memory and of the files on disk.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QRect>
#include <QString>

#include <ostream>

#include <gtest/gtest.h>

namespace donnees::test {

// Folders the build filled, and the generator itself.
QString DossierDonnees();  // bin/: Base/, strataloom.hlp, Evenements/, Modeles/
QString DossierIcones();
QString Generateur();

QByteArray Lire(const QString& chemin);
QImage LireBmp(const QString& chemin);  // Format_RGB32, null when unreadable

// No pixel is pure blue (0,0,255) nor pure red (255,0,0).
testing::AssertionResult SansBleuNiRouge(const QImage& image);

// A mask and its picture: same size, mask only black or white, mask black
// exactly where the picture is white.
testing::AssertionResult CoupleValide(const QImage& image, const QImage& masque);

// Mean of (R + G + B) / 3 over rows premiere to derniere (inclusive).
double Clarte(const QImage& image, int premiere, int derniere);

// Columns of row y where the mask is white.
int Largeur(const QImage& masque, int y);
// Leftmost and rightmost white columns of row y, or (-1, -1).
std::pair<int, int> Etendue(const QImage& masque, int y);

// The pattern of a rock as a grey picture shows it, colours aside: its marks
// are the pixels whose grey level differs from the rock's ground (the
// median grey of the zone) by 24 or more.
struct Motif {
    double encre = 0;       // share of the zone's pixels that are marks
    double taille = 0;      // mean size of a mark (8-connected), pixels
    double horizontal = 0;  // share of mark pixels whose right neighbour is a mark
    double vertical = 0;    // share of mark pixels whose lower neighbour is a mark
};
// The pattern of `zone`; with a mask, of its pixels that lie in the body
// (mask white) at least 3 pixels from its edge, away from the body's rim.
Motif MotifDe(const QImage& image, QRect zone, const QImage* masque = nullptr);
// Two patterns differ when their marks differ by half again in density or
// size, or by 0.15 in how often they run sideways or downwards.
testing::AssertionResult MotifsDifferents(const Motif& a, const Motif& b);
std::ostream& operator<<(std::ostream& os, const Motif& m);

// Runs the generator; returns its exit status, or -1 when it did not run.
int Lancer(const QStringList& arguments, QByteArray* sortie = nullptr);

// Little-endian fields of a file.
std::uint32_t Mot32(const QByteArray& a, int position);
std::uint16_t Mot16(const QByteArray& a, int position);

}  // namespace donnees::test
