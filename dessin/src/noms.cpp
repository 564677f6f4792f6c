// SPDX-License-Identifier: GPL-3.0-or-later
#include "dessin/noms.h"

#include <QCoreApplication>

#include "section/evenements.h"
#include "section/encodage.h"

namespace dessin {

namespace {

// The names to translate, as the translations file knows them.
[[maybe_unused]] constexpr const char* kNoms[] = {
    QT_TRANSLATE_NOOP("Evenements", "Sédimentation"), QT_TRANSLATE_NOOP("Evenements", "Volcanisme"),
    QT_TRANSLATE_NOOP("Evenements", "Erosion"),       QT_TRANSLATE_NOOP("Evenements", "Plutonisme"),
    QT_TRANSLATE_NOOP("Evenements", "Compression"),   QT_TRANSLATE_NOOP("Evenements", "Chevauchement"),
    QT_TRANSLATE_NOOP("Evenements", "Distension"),
};

}  // namespace

QString NomAffiche(std::string_view ligne) {
    const std::string utf8 = section::Utf8DeLigne(ligne);
    return QCoreApplication::translate("Evenements", utf8.c_str());
}

}  // namespace dessin
