// SPDX-License-Identifier: GPL-3.0-or-later
#include "a_propos.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <qdrawutil.h>

#include "icone.h"
#include "langue.h"

namespace {

// A panel drawn with two one-pixel bevels: lowered outside, raised inside.
class PanneauBiseaute : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        qDrawShadePanel(&p, rect(), palette(), true, 1);
        qDrawShadePanel(&p, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
    }
};

// The glyph of the OK button: a green check mark on 16 x 16 pixels.
QIcon CocheOk() {
    QPixmap image(16, 16);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath coche;
    coche.moveTo(2.5, 8.5);
    coche.lineTo(6.0, 12.5);
    coche.lineTo(13.5, 3.5);
    p.strokePath(coche, QPen(QColor(0, 128, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.end();
    return QIcon(image);
}

QLabel* Etiquette(QWidget* parent, const char* nom, const QString& texte, int x, int y) {
    auto* etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(QString::fromLatin1(nom));
    etiquette->move(x, y);
    etiquette->adjustSize();  // sized to its text
    return etiquette;
}

}  // namespace

BoiteAPropos::BoiteAPropos(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(TexteCatalogue(section::TexteFenetre::TitreAPropos));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(396, 220);
    QFont gras = font();
    gras.setBold(true);
    setFont(gras);

    panneau_ = new PanneauBiseaute(this);
    panneau_->setObjectName(QStringLiteral("Panel1"));
    panneau_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panneau_->setGeometry(11, 11, 373, 152);

    nomProduit_ = Etiquette(panneau_, "ProductName", tr("STRATALOOM"), 13, 13);
    version_ = Etiquette(panneau_, "Version",
                        TexteCatalogue(section::TexteFenetre::Version).arg(QStringLiteral(STRATALOOM_VERSION)), 15, 35);

    // The logo keeps its transparency: the panel shows through it.
    const QPixmap logo = LogoProgramme();
    logo_ = new QLabel(panneau_);
    logo_->setObjectName(QStringLiteral("Image1"));
    logo_->setPixmap(logo);
    logo_->setGeometry(153, 17, logo.width(), logo.height());

    icone_ = new QLabel(panneau_);
    icone_->setObjectName(QStringLiteral("ProgramIcon"));
    icone_->setGeometry(15, 93, 50, 50);
    icone_->setAlignment(Qt::AlignCenter);
    icone_->setPixmap(IconeProgramme().pixmap(QSize(48, 48)));
    icone_->installEventFilter(this);

    credits_ = Etiquette(panneau_, "Credits", TexteCatalogue(section::TexteFenetre::Credits), 80, 101);

    boutonOk_ = new QPushButton(CocheOk(), TexteCatalogue(section::TexteFenetre::Ok), this);
    boutonOk_->setObjectName(QStringLiteral("OKButton"));
    QFont policeOk = font();
    policeOk.setFamily(QStringLiteral("MS Sans Serif"));  // the nearest face when absent
    policeOk.setBold(true);
    boutonOk_->setFont(policeOk);
    boutonOk_->setGeometry(139, 178, 102, 35);
    boutonOk_->setDefault(true);
    connect(boutonOk_, &QPushButton::clicked, this, &QDialog::accept);
}

void BoiteAPropos::ActiverBulleIcone() { icone_->setToolTip(TexteCatalogue(section::TexteFenetre::Hello)); }

bool BoiteAPropos::eventFilter(QObject* objet, QEvent* e) {
    if (objet == icone_ && e->type() == QEvent::MouseButtonRelease) {
        const auto* souris = static_cast<QMouseEvent*>(e);
        if (souris->button() == Qt::LeftButton &&
            icone_->rect().contains(souris->position().toPoint()))
            ActiverBulleIcone();
    }
    return QDialog::eventFilter(objet, e);
}

// Centred on the screen at every showing; OK takes the focus.
void BoiteAPropos::showEvent(QShowEvent* e) {
    if (const QScreen* ecran = screen()) {
        const QRect zone = ecran->availableGeometry();
        const QSize cadre = frameGeometry().size();
        move(zone.center() - QRect(QPoint(), cadre).center());
    }
    QDialog::showEvent(e);
    boutonOk_->setFocus(Qt::OtherFocusReason);
}
