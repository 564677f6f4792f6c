// SPDX-License-Identifier: GPL-3.0-or-later
#include "vue_image.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

// What a screen reader sees of an image control: a widget whose
// description is asked of the control when read.
class AccessibleVueImage : public QAccessibleWidget {
public:
    explicit AccessibleVueImage(VueImage* vue) : QAccessibleWidget(vue) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            const QString texte = static_cast<const VueImage*>(widget())->Description();
            if (!texte.isNull()) return texte;
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* InterfaceVueImage(const QString& classe, QObject* objet) {
    if (classe == QLatin1String("VueImage") && objet && objet->isWidgetType())
        return new AccessibleVueImage(static_cast<VueImage*>(objet));
    return nullptr;
}

}  // namespace

VueImage::VueImage(QWidget* parent) : QWidget(parent) {
    // The window background shows wherever the picture does not reach.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    static const bool installee = [] {
        QAccessible::installFactory(InterfaceVueImage);
        return true;
    }();
    (void)installee;
}

void VueImage::DefinirDescription(std::function<QString()> description) { description_ = std::move(description); }

QString VueImage::Description() const { return description_ ? description_() : QString(); }

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
