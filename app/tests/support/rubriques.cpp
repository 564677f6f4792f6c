// SPDX-License-Identifier: GPL-3.0-or-later
#include "rubriques.h"

#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

QTextCursor Titre2(QTextDocument* document, const QString& titre) {
    for (QTextBlock bloc = document->begin(); bloc.isValid(); bloc = bloc.next())
        if (bloc.blockFormat().headingLevel() == 2 && bloc.text() == titre) return QTextCursor(bloc);
    return QTextCursor();
}

bool EnHautDeLaVue(const QTextBrowser* b, const QTextCursor& titre) {
    if (titre.isNull()) return false;
    const int haut = b->cursorRect(titre).top();
    return haut >= -2 && haut < b->viewport()->height() / 4;
}

ImagesDocument Images(QTextDocument* document) {
    ImagesDocument r;
    for (QTextBlock bloc = document->begin(); bloc.isValid(); bloc = bloc.next())
        for (auto it = bloc.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isImageFormat()) continue;
            const QUrl source(f.toImageFormat().name());
            const QVariant image = document->resource(QTextDocument::ImageResource, source);
            if (image.value<QImage>().isNull() && image.value<QPixmap>().isNull()) r.absentes << source.toString();
            ++r.nombre;
        }
    return r;
}
