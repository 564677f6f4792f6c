// SPDX-License-Identifier: GPL-3.0-or-later
// Where the legend's window goes: positions worked out by hand for the
// screens a school has, the main window 800 x 610 with its frame and the
// legend 300 x 400 unless said.
#include <QtTest>

#include "placement_legende.h"

class TestPlacementLegende : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void places_data();
    void places();
    void jamaisParDessus();
};

void TestPlacementLegende::places_data() {
    QTest::addColumn<QRect>("libre");
    QTest::addColumn<QRect>("cadre");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<QPoint>("legende");
    QTest::addColumn<QPoint>("fenetre");  // (-1, -1): the main window stays
    const QPoint reste(-1, -1);
    // Room on the right: beside it, 8 pixels apart.
    QTest::newRow("1920 x 1040, à droite") << QRect(0, 0, 1920, 1040) << QRect(560, 215, 800, 610) << QSize(300, 400)
                                           << QPoint(1368, 215) << reste;
    // The window against the right edge: on its left.
    QTest::newRow("1920 x 1040, à gauche") << QRect(0, 0, 1920, 1040) << QRect(1100, 50, 800, 610) << QSize(300, 400)
                                           << QPoint(792, 50) << reste;
    // The school laptop: no side has room where the window stands, the
    // pair is centred: 1366 - (800 + 8 + 300) = 258, halved.
    QTest::newRow("1366 x 728, côte à côte") << QRect(0, 0, 1366, 728) << QRect(283, 59, 800, 610) << QSize(300, 400)
                                             << QPoint(129 + 808, 59) << QPoint(129, 59);
    // Its wider legend, 558 pixels: exactly room for both.
    QTest::newRow("1366 x 728, juste la place") << QRect(0, 0, 1366, 728) << QRect(283, 59, 800, 610)
                                                << QSize(558, 400) << QPoint(808, 59) << QPoint(0, 59);
    // One pixel more: nothing fits, the legend goes against the edge with
    // the most room (the right one on a tie).
    QTest::newRow("1366 x 728, un pixel de trop") << QRect(0, 0, 1366, 728) << QRect(283, 59, 800, 610)
                                                  << QSize(559, 400) << QPoint(1366 - 559, 59) << reste;
    // A tablet held upright: one above the other, centred down the screen:
    // 1200 - (610 + 8 + 400) = 182, halved.
    QTest::newRow("1000 x 1200, l'une sous l'autre") << QRect(0, 0, 1000, 1200) << QRect(100, 300, 800, 610)
                                                      << QSize(700, 400) << QPoint(100, 91 + 618) << QPoint(100, 91);
    // A free area that does not start at 0 (a panel on the left).
    QTest::newRow("panneau à gauche") << QRect(64, 0, 1302, 728) << QRect(283, 59, 800, 610) << QSize(300, 400)
                                      << QPoint(64 + 97 + 808, 59) << QPoint(64 + 97, 59);
}

void TestPlacementLegende::places() {
    QFETCH(QRect, libre);
    QFETCH(QRect, cadre);
    QFETCH(QSize, taille);
    QFETCH(QPoint, legende);
    QFETCH(QPoint, fenetre);
    const PlaceLegende p = PlacerLegendeACote(libre, cadre, taille);
    QCOMPARE(p.legende, legende);
    QCOMPARE(p.fenetre.value_or(QPoint(-1, -1)), fenetre);
}

// Over a grid of window positions and legend sizes on the school laptop
// and a wide screen: whenever both can stand apart on the screen, they do,
// and both stay on it.
void TestPlacementLegende::jamaisParDessus() {
    for (const QRect libre : {QRect(0, 0, 1366, 728), QRect(0, 0, 1920, 1040), QRect(0, 27, 1280, 773)})
        for (int x = libre.left(); x + 800 <= libre.right() + 1; x += 37)
            for (int l = 200; l <= 700; l += 50) {
                const QRect cadre(x, libre.top() + 20, 800, 610);
                const QSize taille(l, 400);
                const PlaceLegende p = PlacerLegendeACote(libre, cadre, taille);
                const QRect fenetre(p.fenetre.value_or(cadre.topLeft()), cadre.size());
                const QRect legende(p.legende, taille);
                const bool possible = 800 + 8 + l <= libre.width() || 610 + 8 + 400 <= libre.height();
                if (!possible) continue;
                const QString ou = QStringLiteral("écran %1 x %2, fenêtre en x = %3, légende de %4")
                                       .arg(libre.width()).arg(libre.height()).arg(x).arg(l);
                QVERIFY2(!fenetre.intersects(legende), qPrintable(ou));
                QVERIFY2(libre.contains(fenetre) && libre.contains(legende), qPrintable(ou));
            }
}

QTEST_MAIN(TestPlacementLegende)
#include "placement_legende_test.moc"
