// SPDX-License-Identifier: GPL-3.0-or-later
// A menu that shows every shortcut of an item, not only its first one
// ("Alt+F4, Ctrl+Q" beside "&Quitter"); the item's caption is untouched.
#pragma once

#include <QMenu>

class MenuRaccourcis : public QMenu {
public:
    using QMenu::QMenu;

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};
