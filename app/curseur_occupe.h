// SPDX-License-Identifier: GPL-3.0-or-later
// The busy (hourglass) cursor for the length of a command.
#pragma once

#include <QApplication>
#include <QCursor>

class CurseurOccupe {
public:
    CurseurOccupe() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurOccupe() { Restaurer(); }
    CurseurOccupe(const CurseurOccupe&) = delete;
    CurseurOccupe& operator=(const CurseurOccupe&) = delete;

    // Back to the default cursor before the end, for a message box.
    void Restaurer() {
        if (!actif_) return;
        actif_ = false;
        QApplication::restoreOverrideCursor();
    }

private:
    bool actif_ = true;
};
