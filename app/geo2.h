// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: product name, version, logo, the program's icon and the
// credit line, closed with OK. One box lives for the whole run and is shown
// modally; once its icon has been clicked, the icon's tooltip stays on.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Switches the icon's tooltip on, for good.
    void ProgramIconClick();

    // The controls, for tests.
    QFrame* panel() const { return Panel1; }
    QLabel* icone() const { return ProgramIcon; }
    QPushButton* boutonOk() const { return OKButton; }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QFrame* Panel1 = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* Credits = nullptr;
    QPushButton* OKButton = nullptr;
};
