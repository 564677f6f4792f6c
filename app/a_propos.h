// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: product name, version, logo, the program's icon and the
// credit line, closed with OK. One box lives for the whole run and is shown
// modally; once its icon has been clicked, the icon's tooltip stays on.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class BoiteAPropos : public QDialog {
    Q_OBJECT
public:
    explicit BoiteAPropos(QWidget* parent = nullptr);

    // Switches the icon's tooltip on, for good.
    void ActiverBulleIcone();

    // The controls, for tests.
    QFrame* panneau() const { return panneau_; }
    QLabel* icone() const { return icone_; }
    QPushButton* boutonOk() const { return boutonOk_; }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QFrame* panneau_ = nullptr;
    QLabel* nomProduit_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* logo_ = nullptr;
    QLabel* icone_ = nullptr;
    QLabel* credits_ = nullptr;
    QPushButton* boutonOk_ = nullptr;
};
