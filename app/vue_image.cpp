// SPDX-License-Identifier: GPL-3.0-or-later
#include "vue_image.h"

#include <QMouseEvent>
#include <QPainter>

VueImage::VueImage(QWidget* parent) : QWidget(parent) {
    // The window background shows wherever the picture does not reach.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void VueImage::setImage(const QImage& image) {
    image_ = image;
    update();
}

void VueImage::setSurcouche(const QImage& surcouche) {
    surcouche_ = surcouche;
    update();
}

void VueImage::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter p(this);
    p.drawImage(QPoint(0, 0), image_);  // unscaled, clipped by the control
    if (!surcouche_.isNull()) p.drawImage(QPoint(0, 0), surcouche_);
    if (hasFocus()) {
        // The focus, drawn over the picture's edge in black and white so it
        // shows on sky and rock alike.
        const QRect cadre = rect().intersected(QRect(QPoint(0, 0), image_.size())).adjusted(1, 1, -2, -2);
        p.setPen(QPen(Qt::white, 3));
        p.drawRect(cadre);
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawRect(cadre);
    }
}

void VueImage::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void VueImage::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

void VueImage::mousePressEvent(QMouseEvent* e) {
    Q_EMIT MouseDown(e->button());
    e->accept();
}

void VueImage::mouseReleaseEvent(QMouseEvent* e) {
    Q_EMIT MouseUp(e->button());
    e->accept();
}
