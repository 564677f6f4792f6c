// SPDX-License-Identifier: GPL-3.0-or-later
// An image control: shows its picture at its own size from the top-left
// corner, cut at the control's edges, the window background around a
// smaller one. Unlike a label, a disabled control keeps its colours: being
// disabled only means it does not react to the mouse.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class VueImage : public QWidget {
    Q_OBJECT
public:
    explicit VueImage(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    // A transparent picture painted over the image (letters, tints), which
    // leaves the image itself as it is; a null one shows none.
    void setSurcouche(const QImage& surcouche);
    const QImage& surcouche() const { return surcouche_; }
    // The description a screen reader reads, computed only when one asks
    // (describing the section means reading its whole legend); none by
    // default, then the widget's own accessible description is read.
    void DefinirDescription(std::function<QString()> description);
    QString Description() const;

Q_SIGNALS:
    void MouseDown(Qt::MouseButton bouton);
    void MouseUp(Qt::MouseButton bouton);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QImage image_;
    QImage surcouche_;
    std::function<QString()> description_;
};
