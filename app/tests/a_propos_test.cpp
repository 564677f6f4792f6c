// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: its captions, the bounds of its controls, the bevels of
// its panel, the tooltip of the icon, OK; and the program's pictures.
#include <QApplication>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include "a_propos.h"
#include "icone.h"

namespace {

template <typename T>
T* Controle(const BoiteAPropos& boite, const char* nom) {
    T* c = boite.findChild<T*>(QString::fromLatin1(nom));
    if (!c) qWarning("no control %s", nom);
    return c;
}

// Asks the icon for its tooltip, as resting the pointer on it does.
void SurvolerIcone(QLabel* icone) {
    const QPoint centre = icone->rect().center();
    QHelpEvent survol(QEvent::ToolTip, centre, icone->mapToGlobal(centre));
    QApplication::sendEvent(icone, &survol);
}

// Runs the box modally; `pendant` runs once it is up, then OK is pressed
// with the Return key.
int ExecuterPuisValider(BoiteAPropos& boite, const std::function<void()>& pendant) {
    QTimer::singleShot(0, &boite, [&] {
        QTRY_VERIFY(boite.isVisible());
        pendant();
        QTest::keyClick(&boite, Qt::Key_Return);
    });
    QTimer::singleShot(20000, &boite, [&] { boite.reject(); });  // never left open
    return boite.exec();
}

bool Transparent(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) == 0; }
bool Opaque(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) == 255; }

}  // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QToolTip::hideText(); }

    void fenetre_titre_taille_fixe_police_grasse() {
        BoiteAPropos boite;
        QCOMPARE(boite.windowTitle(), QStringLiteral("A propos"));
        QCOMPARE(boite.size(), QSize(396, 220));
        QCOMPARE(boite.minimumSize(), QSize(396, 220));
        QCOMPARE(boite.maximumSize(), QSize(396, 220));
        QVERIFY(boite.font().bold());
        boite.show();
        QVERIFY(QTest::qWaitForWindowExposed(&boite));
        QCOMPARE(boite.size(), QSize(396, 220));
    }

    void centree_a_chaque_affichage() {
        BoiteAPropos boite;
        for (int fois = 0; fois < 2; ++fois) {
            boite.show();
            QVERIFY(QTest::qWaitForWindowExposed(&boite));
            const QRect zone = boite.screen()->availableGeometry();
            const QPoint ecart = boite.frameGeometry().center() - zone.center();
            QVERIFY2(ecart.manhattanLength() <= 2,
                     qPrintable(QStringLiteral("%1,%2").arg(ecart.x()).arg(ecart.y())));
            boite.hide();
            boite.move(0, 0);  // moved away between the two showings
        }
    }

    void controles_du_panneau_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QSize>("taille");  // empty: sized to its text
        QTest::addColumn<QString>("texte");
        QTest::newRow("ProductName") << "ProductName" << QPoint(13, 13) << QSize() << "STRATALOOM";
        QTest::newRow("Version") << "Version" << QPoint(15, 35) << QSize() << "Version 2.1.0";
        QTest::newRow("Image1") << "Image1" << QPoint(153, 17) << QSize(171, 59) << QString();
        QTest::newRow("ProgramIcon") << "ProgramIcon" << QPoint(15, 93) << QSize(50, 50)
                                     << QString();
        QTest::newRow("Credits") << "Credits" << QPoint(80, 101) << QSize()
                                 << QString::fromUtf8("Conçu par l'équipe Strataloom");
    }

    void controles_du_panneau() {
        QFETCH(QString, nom);
        QFETCH(QPoint, position);
        QFETCH(QSize, taille);
        QFETCH(QString, texte);
        BoiteAPropos boite;
        auto* panneau = Controle<QFrame>(boite, "Panel1");
        QVERIFY(panneau);
        QCOMPARE(panneau->geometry(), QRect(11, 11, 373, 152));
        auto* c = panneau->findChild<QLabel*>(nom, Qt::FindDirectChildrenOnly);
        QVERIFY(c);
        QCOMPARE(c->pos(), position);
        if (taille.isValid()) QCOMPARE(c->size(), taille);
        if (!texte.isNull()) {
            QCOMPARE(c->text(), texte);
            QCOMPARE(c->size(), c->sizeHint());  // the whole text shows
        }
        QVERIFY2(panneau->rect().contains(c->geometry()), "inside the panel");
    }

    void image_et_icone_montrees() {
        BoiteAPropos boite;
        auto* image = Controle<QLabel>(boite, "Image1");
        QVERIFY(image);
        const QImage logo = image->pixmap().toImage();
        QCOMPARE(logo.size(), QSize(171, 59));
        QCOMPARE(image->size(), logo.size());
        QVERIFY(logo.hasAlphaChannel());
        QVERIFY(!image->autoFillBackground());
        auto* icone = Controle<QLabel>(boite, "ProgramIcon");
        QVERIFY(icone);
        QVERIFY(!icone->pixmap().isNull());
        QVERIFY(icone->pixmap().width() <= 50 && icone->pixmap().height() <= 50);
    }

    // Lowered outside: dark top-left, light bottom-right; raised inside: the
    // other way round.
    void panneau_biseaute() {
        BoiteAPropos boite;
        auto* panneau = Controle<QFrame>(boite, "Panel1");
        QVERIFY(panneau);
        const QImage vue = panneau->grab().toImage();
        const int l = vue.width() - 1, h = vue.height() - 1;
        const QRgb sombre = panneau->palette().dark().color().rgb();
        const QRgb clair = panneau->palette().light().color().rgb();
        QCOMPARE(vue.pixel(5, 0), sombre);
        QCOMPARE(vue.pixel(0, 5), sombre);
        QCOMPARE(vue.pixel(5, h), clair);
        QCOMPARE(vue.pixel(l, 5), clair);
        QCOMPARE(vue.pixel(5, 1), clair);
        QCOMPARE(vue.pixel(1, 5), clair);
        QCOMPARE(vue.pixel(5, h - 1), sombre);
        QCOMPARE(vue.pixel(l - 1, 5), sombre);
    }

    void bouton_ok() {
        BoiteAPropos boite;
        auto* ok = Controle<QPushButton>(boite, "OKButton");
        QVERIFY(ok);
        QCOMPARE(ok->parentWidget(), &boite);
        QCOMPARE(ok->geometry(), QRect(139, 178, 102, 35));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(!ok->icon().isNull());
        QVERIFY(ok->isDefault());
        QCOMPARE(ok->font().family(), QStringLiteral("MS Sans Serif"));
        QVERIFY(ok->font().bold());
    }

    void ok_a_le_focus_et_valide() {
        BoiteAPropos boite;
        auto* ok = Controle<QPushButton>(boite, "OKButton");
        QVERIFY(ok);
        for (int fois = 0; fois < 2; ++fois) {
            QWidget* focus = nullptr;
            const int resultat = ExecuterPuisValider(boite, [&] {
                QTRY_VERIFY(boite.isActiveWindow());
                focus = QApplication::focusWidget();
            });
            QCOMPARE(focus, ok);
            QCOMPARE(resultat, int(QDialog::Accepted));
        }
    }

    void clic_sur_ok_valide() {
        BoiteAPropos boite;
        QTimer::singleShot(0, &boite, [&] {
            QTRY_VERIFY(boite.isVisible());
            QTest::mouseClick(boite.boutonOk(), Qt::LeftButton);
        });
        QTimer::singleShot(20000, &boite, [&] { boite.done(-1); });
        QCOMPARE(boite.exec(), int(QDialog::Accepted));
    }

    void infobulle_eteinte_avant_le_premier_clic() {
        BoiteAPropos boite;
        boite.show();
        QVERIFY(QTest::qWaitForWindowExposed(&boite));
        QLabel* icone = boite.icone();
        QVERIFY(icone->toolTip().isEmpty());
        SurvolerIcone(icone);
        QVERIFY(!QToolTip::isVisible());
        // Another button than the left one is not a click.
        QTest::mouseClick(icone, Qt::RightButton);
        QVERIFY(icone->toolTip().isEmpty());
    }

    void infobulle_allumee_apres_un_clic_pour_toujours() {
        BoiteAPropos boite;
        QLabel* icone = boite.icone();
        const int premier = ExecuterPuisValider(boite, [&] {
            QTest::mouseClick(icone, Qt::LeftButton);
            QCOMPARE(icone->toolTip(), QStringLiteral("Hello !"));
            SurvolerIcone(icone);
            QTRY_VERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), QStringLiteral("Hello !"));
            QToolTip::hideText();
        });
        QCOMPARE(premier, int(QDialog::Accepted));
        // The next showing, with no click: still on.
        bool vue = false;
        QString texte;
        const int second = ExecuterPuisValider(boite, [&] {
            SurvolerIcone(icone);
            QTRY_VERIFY(QToolTip::isVisible());
            vue = true;
            texte = QToolTip::text();
            QToolTip::hideText();
        });
        QCOMPARE(second, int(QDialog::Accepted));
        QVERIFY(vue);
        QCOMPARE(texte, QStringLiteral("Hello !"));
        // More clicks change nothing.
        boite.ActiverBulleIcone();
        QCOMPARE(icone->toolTip(), QStringLiteral("Hello !"));
    }

    void icone_du_programme() {
        const QIcon icone = IconeProgramme();
        const QList<QSize> tailles = icone.availableSizes();
        for (int t : {16, 22, 24, 32, 48, 64, 128, 256})
            QVERIFY2(tailles.contains(QSize(t, t)), qPrintable(QString::number(t)));
        for (int t : {16, 32, 256}) {
            const QImage image = ImageIcone(t);
            QCOMPARE(image.size(), QSize(t, t));
            // A rounded tile: transparent corners, opaque middle and rim.
            QVERIFY(Transparent(image, 0, 0));
            QVERIFY(Transparent(image, t - 1, t - 1));
            QVERIFY(Opaque(image, t / 2, t / 2));
            QVERIFY(Opaque(image, t / 2, t * 5 / 100 + 1));
        }
    }

    // Sky at the top of the tile, strata further down, the fold lifting
    // them in the middle: at the row of the flanks' ground, the middle is
    // already rock while the sides are still sky.
    void icone_pli_et_ciel() {
        const int t = 256;
        const QImage image = ImageIcone(t);
        const auto bleute = [&](int x, int y) {  // no bed is this pale a blue
            const QColor c = image.pixelColor(x, y);
            return c.blue() > 230 && c.green() > 210 && c.blue() > c.red();
        };
        const int ciel = t * 30 / 100, milieu = t / 2, flanc = t * 15 / 100;
        QVERIFY(bleute(flanc, ciel));
        QVERIFY(bleute(t - 1 - flanc, ciel));
        QVERIFY(!bleute(milieu, ciel));
        QVERIFY(bleute(milieu, t * 12 / 100));
    }

    void logo_transparent_avec_son_embleme() {
        const QImage logo = LogoProgramme().toImage();
        QCOMPARE(logo.size(), QSize(kLargeurLogo, kHauteurLogo));
        QVERIFY(Transparent(logo, 0, 0));
        QVERIFY(Transparent(logo, kLargeurLogo - 1, kHauteurLogo - 1));
        QVERIFY(Opaque(logo, 2 + 55 / 2, 2 + 55 / 2));  // the emblem
        // The S of "STRATA" starts with a bar in its top row of cells.
        QVERIFY(Opaque(logo, 62 + 3 + 1, 6 + 1));
        QVERIFY(Transparent(logo, 62 + 1, 6 + 1));
        int opaques = 0;
        for (int y = 0; y < logo.height(); ++y)
            for (int x = 60; x < logo.width(); ++x) opaques += Opaque(logo, x, y) ? 1 : 0;
        QVERIFY(opaques > 500);  // the letters
    }
};

QTEST_MAIN(TestAboutBox)
#include "a_propos_test.moc"
