// SPDX-License-Identifier: GPL-3.0-or-later
// Where the help viewer shows a topic: its heading found in the document,
// whether the view opened at it, and the pictures the document shows.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextCursor>

class QTextBrowser;
class QTextDocument;

// The level-2 heading whose text is `titre`, or a null cursor.
QTextCursor Titre2(QTextDocument* document, const QString& titre);
// The line of `titre` lies at the top of the browser's view: not above it,
// and within its first quarter.
bool EnHautDeLaVue(const QTextBrowser* b, const QTextCursor& titre);

// The pictures of a document: how many it shows, and the sources of those
// it could not load.
struct ImagesDocument {
    int nombre = 0;
    QStringList absentes;
};
ImagesDocument Images(QTextDocument* document);
