// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo2.h"

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

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("A propos"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(396, 220);
    QFont gras = font();
    gras.setBold(true);
    setFont(gras);

    Panel1 = new PanneauBiseaute(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(11, 11, 373, 152);

    ProductName = Etiquette(Panel1, "ProductName", tr("STRATALOOM"), 13, 13);
    Version = Etiquette(Panel1, "Version",
                        tr("Version %1").arg(QStringLiteral(STRATALOOM_VERSION)), 15, 35);

    // The logo keeps its transparency: the panel shows through it.
    const QPixmap logo = LogoProgramme();
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(logo);
    Image1->setGeometry(153, 17, logo.width(), logo.height());

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(15, 93, 50, 50);
    ProgramIcon->setAlignment(Qt::AlignCenter);
    ProgramIcon->setPixmap(IconeProgramme().pixmap(QSize(48, 48)));
    ProgramIcon->installEventFilter(this);

    Credits = Etiquette(Panel1, "Credits", tr("Conçu par l'équipe Strataloom"), 80, 101);

    OKButton = new QPushButton(CocheOk(), tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    QFont policeOk = font();
    policeOk.setFamily(QStringLiteral("MS Sans Serif"));  // the nearest face when absent
    policeOk.setBold(true);
    OKButton->setFont(policeOk);
    OKButton->setGeometry(139, 178, 102, 35);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::ProgramIconClick() { ProgramIcon->setToolTip(tr("Hello !")); }

bool TAboutBox::eventFilter(QObject* objet, QEvent* e) {
    if (objet == ProgramIcon && e->type() == QEvent::MouseButtonRelease) {
        const auto* souris = static_cast<QMouseEvent*>(e);
        if (souris->button() == Qt::LeftButton &&
            ProgramIcon->rect().contains(souris->position().toPoint()))
            ProgramIconClick();
    }
    return QDialog::eventFilter(objet, e);
}

// Centred on the screen at every showing; OK takes the focus.
void TAboutBox::showEvent(QShowEvent* e) {
    if (const QScreen* ecran = screen()) {
        const QRect zone = ecran->availableGeometry();
        const QSize cadre = frameGeometry().size();
        move(zone.center() - QRect(QPoint(), cadre).center());
    }
    QDialog::showEvent(e);
    OKButton->setFocus(Qt::OtherFocusReason);
}
