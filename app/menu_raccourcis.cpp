// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_raccourcis.h"

#include <QStyleOptionMenuItem>

void MenuRaccourcis::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    if (!action || action->shortcuts().size() < 2) return;
    QStringList touches;
    for (const QKeySequence& s : action->shortcuts()) touches << s.toString(QKeySequence::NativeText);
    const QString texte = touches.join(QStringLiteral(", "));
    const qsizetype tab = option->text.indexOf(QLatin1Char('\t'));
    option->text = (tab < 0 ? option->text : option->text.left(tab)) + QLatin1Char('\t') + texte;
    // The shortcut column of the menu is as wide as its widest first
    // shortcut: this item takes the room its own text needs.
    option->reservedShortcutWidth = std::max(option->reservedShortcutWidth,
                                             option->fontMetrics.horizontalAdvance(texte) + 8);
}
