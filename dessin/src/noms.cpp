// SPDX-License-Identifier: GPL-3.0-or-later
#include "dessin/noms.h"

#include "section/evenements.h"

namespace dessin {

QString NomAffiche(std::string_view ligne) {
    return QString::fromStdString(section::NomEvenement(ligne));
}

}  // namespace dessin
