// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/paquet_scorm.h"

#include <sys/stat.h>

#include <array>

#include "section/json.h"
#include "section/exercice.h"
#include "section/textes.h"
#include "section/zip.h"

namespace section {

namespace {

constexpr std::array<const char*, 3> kMarques = {"donnees", "moteur", "page"};
constexpr std::string_view kFinScript = "</script>";
constexpr std::string_view kScriptsCommuns = "strataloom.js";
constexpr std::string_view kRessourceCommune = "commun-strataloom";
// The name of the script object an exercise page sets before the page's own.
constexpr std::string_view kNomExercicePage = "window.STRATALOOM_EXERCICE";

// Numbers of exercises in a package, 1 to kExercicesPaquetMax (99).
std::string DeuxChiffres(int n) {
    const std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

// Valid UTF-8 holding only characters XML 1.0 allows, which a JavaScript
// string takes too: a stray byte, a control character or one of the two
// non-characters U+FFFE and U+FFFF becomes U+FFFD.
std::string Utf8Propre(std::string_view s) {
    std::string t;
    while (!s.empty()) {
        char32_t point = 0;
        const std::size_t n = LongueurUtf8(s, point);
        if (n == 0 || point < 0x20 || point == 0x7F || (point >= 0x80 && point < 0xA0) || point == 0xFFFE ||
            point == 0xFFFF) {
            t += "\xEF\xBF\xBD";
            s.remove_prefix(n == 0 ? 1 : n);
        } else {
            t.append(s.substr(0, n));
            s.remove_prefix(n);
        }
    }
    return t;
}

std::string TexteXml(std::string_view s) {
    std::string t;
    for (const char c : Utf8Propre(s)) {
        switch (c) {
        case '&': t += "&amp;"; break;
        case '<': t += "&lt;"; break;
        case '>': t += "&gt;"; break;
        case '"': t += "&quot;"; break;
        case '\'': t += "&apos;"; break;
        default: t += c;
        }
    }
    return t;
}

std::string Base64(std::string_view octets) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string t;
    t.reserve((octets.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < octets.size(); i += 3) {
        const std::size_t reste = octets.size() - i;
        std::uint32_t v = static_cast<std::uint8_t>(octets[i]) << 16;
        if (reste > 1) v |= static_cast<std::uint8_t>(octets[i + 1]) << 8;
        if (reste > 2) v |= static_cast<std::uint8_t>(octets[i + 2]);
        t += kAlphabet[v >> 18 & 63];
        t += kAlphabet[v >> 12 & 63];
        t += reste > 1 ? kAlphabet[v >> 6 & 63] : '=';
        t += reste > 2 ? kAlphabet[v & 63] : '=';
    }
    return t;
}

// A JSON string that may stand inside a <script> element: no "<" that
// could close it or open a comment.
std::string ChaineDansScript(std::string_view texte) {
    std::string json;
    ChaineJson(json, Utf8Propre(texte));
    std::string t;
    for (const char c : json) {
        if (c == '<') t += "\\u003c";
        else if (c == '>') t += "\\u003e";
        else t += c;
    }
    return t;
}

std::string EnMinusculesAscii(std::string_view s) {
    std::string t(s);
    for (char& c : t)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return t;
}

std::string SansExtension(std::string_view nom) {
    if (nom.size() > 4 && EnMinusculesAscii(nom.substr(nom.size() - 4)) == ".exo") nom.remove_suffix(4);
    return std::string(nom);
}

// FNV-1a, 64 bits, over the fingerprints and the pass mark: the package's
// own identifier.
std::uint64_t EmpreintePaquet(const std::vector<std::uint64_t>& empreintes, int seuil) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    const auto melanger = [&h](std::uint64_t v) {
        for (int i = 0; i < 8; ++i) {
            h ^= (v >> (8 * i)) & 0xFF;
            h *= 0x100000001b3ULL;
        }
    };
    for (const std::uint64_t e : empreintes) melanger(e);
    melanger(static_cast<std::uint64_t>(seuil));
    return h;
}

struct ExerciceLu {
    std::string titre;
    std::uint64_t empreinte = 0;
};

std::string LireExercices(const std::vector<ExercicePaquet>& exercices, int seuil, std::vector<ExerciceLu>& lus) {
    if (exercices.empty()) return Texte("Paquet", "aucun exercice à mettre dans le paquet");
    if (exercices.size() > static_cast<std::size_t>(kExercicesPaquetMax))
        return Remplir(Texte("Paquet", "un paquet tient au plus %1 exercices"), {std::to_string(kExercicesPaquetMax)});
    if (seuil < 0 || seuil > 20)
        return Remplir(Texte("Paquet", "la note pour réussir doit aller de 0 à 20 (et non %1)"),
                       {std::to_string(seuil)});
    for (const ExercicePaquet& x : exercices) {
        Exercice e;
        if (const std::string raison = LireExercice(x.octets, e); !raison.empty())
            return Remplir(Texte("Paquet", "l'exercice « %1 » ne peut pas être lu : %2"),
                           {SansControles(x.nom), raison});
        lus.push_back({e.titre.empty() ? SansExtension(x.nom) : e.titre, EmpreinteExercice(e)});
    }
    return {};
}

}  // namespace

std::optional<ScriptsPage> ScriptsMarques(std::string_view page) {
    ScriptsPage s;
    std::string* textes[3] = {&s.donnees, &s.moteur, &s.page};
    std::size_t position = 0;
    for (std::size_t i = 0; i < kMarques.size(); ++i) {
        const std::string ouverture = std::string("<script data-strataloom=\"") + kMarques[i] + "\">";
        const std::size_t debut = page.find(ouverture, position);
        if (debut == std::string_view::npos) return std::nullopt;
        const std::size_t texte = debut + ouverture.size();
        const std::size_t fin = page.find(kFinScript, texte);
        if (fin == std::string_view::npos) return std::nullopt;
        *textes[i] = std::string(page.substr(texte, fin - texte));
        s.debuts[i] = debut;
        s.fins[i] = fin + kFinScript.size();
        position = s.fins[i];
    }
    // Each once: a second marked script would run outside the package.
    for (const char* m : kMarques)
        if (page.find(std::string("<script data-strataloom=\"") + m + "\">", position) != std::string_view::npos)
            return std::nullopt;
    return s;
}

std::string QuestionSeuil() {
    return Texte("Paquet", "La note sur 20 à partir de laquelle la plateforme compte l'exercice comme réussi "
                           "(de 0 à 20) :");
}

std::string SeuilRefuse() { return Texte("Paquet", "La note pour réussir doit être un nombre entier de 0 à 20."); }

std::optional<int> LireSeuil(std::string_view reponse) {
    while (!reponse.empty() && reponse.front() == ' ') reponse.remove_prefix(1);
    while (!reponse.empty() && reponse.back() == ' ') reponse.remove_suffix(1);
    if (reponse.empty() || reponse.size() > 2) return std::nullopt;
    int n = 0;
    for (const char c : reponse) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n > 20) return std::nullopt;
    return n;
}

std::string PageExercicePaquet(int numero) { return "exercice-" + DeuxChiffres(numero) + ".html"; }

std::string ManifesteScorm(const std::vector<ExercicePaquet>& exercices, int seuil, std::string_view titre,
                           std::string& manifeste) {
    std::vector<ExerciceLu> lus;
    if (std::string raison = LireExercices(exercices, seuil, lus); !raison.empty()) return raison;
    std::vector<std::uint64_t> empreintes;
    for (const ExerciceLu& l : lus) empreintes.push_back(l.empreinte);
    const std::string cle = TexteEmpreinte(EmpreintePaquet(empreintes, seuil));
    std::string nomCours(titre);
    if (nomCours.empty()) nomCours = lus.size() == 1 ? lus[0].titre : std::string("Strataloom");

    std::string m =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<manifest identifier=\"strataloom-" + cle + "\" version=\"1.0\"\n"
        "    xmlns=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2\"\n"
        "    xmlns:adlcp=\"http://www.adlnet.org/xsd/adlcp_rootv1p2\"\n"
        "    xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
        "    xsi:schemaLocation=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2 imscp_rootv1p1p2.xsd "
        "http://www.adlnet.org/xsd/adlcp_rootv1p2 adlcp_rootv1p2.xsd\">\n"
        "  <metadata>\n"
        "    <schema>ADL SCORM</schema>\n"
        "    <schemaversion>1.2</schemaversion>\n"
        "  </metadata>\n"
        "  <organizations default=\"cours-" + cle + "\">\n"
        "    <organization identifier=\"cours-" + cle + "\">\n"
        "      <title>" + TexteXml(nomCours) + "</title>\n";
    std::string ressources;
    for (std::size_t i = 0; i < lus.size(); ++i) {
        const std::string numero = DeuxChiffres(static_cast<int>(i) + 1);
        const std::string suffixe = numero + "-" + TexteEmpreinte(lus[i].empreinte);
        const std::string page = PageExercicePaquet(static_cast<int>(i) + 1);
        m += "      <item identifier=\"item-" + suffixe + "\" identifierref=\"sco-" + suffixe +
             "\" isvisible=\"true\">\n"
             "        <title>" + TexteXml(lus[i].titre) + "</title>\n"
             "        <adlcp:masteryscore>" + std::to_string(seuil) + "</adlcp:masteryscore>\n"
             "      </item>\n";
        ressources += "    <resource identifier=\"sco-" + suffixe +
                      "\" type=\"webcontent\" adlcp:scormtype=\"sco\" href=\"" + page + "\">\n"
                      "      <file href=\"" + page + "\"/>\n"
                      "      <dependency identifierref=\"" + std::string(kRessourceCommune) + "\"/>\n"
                      "    </resource>\n";
    }
    m += "    </organization>\n"
         "  </organizations>\n"
         "  <resources>\n" + ressources +
         "    <resource identifier=\"" + std::string(kRessourceCommune) +
         "\" type=\"webcontent\" adlcp:scormtype=\"asset\">\n"
         "      <file href=\"" + std::string(kScriptsCommuns) + "\"/>\n"
         "    </resource>\n"
         "  </resources>\n"
         "</manifest>\n";
    manifeste = std::move(m);
    return {};
}

std::string PaquetScorm(std::string_view page, const std::vector<ExercicePaquet>& exercices, int seuil,
                        std::string_view titre, std::string& zip) {
    const std::optional<ScriptsPage> scripts = ScriptsMarques(page);
    if (!scripts)
        return Texte("Paquet", "la page donnée n'est pas celle de Strataloom (ses trois scripts marqués manquent)");
    std::string manifeste;
    if (std::string raison = ManifesteScorm(exercices, seuil, titre, manifeste); !raison.empty()) return raison;

    EcritureZip archive;
    std::string raison = archive.Ajouter("imsmanifest.xml", manifeste);
    if (raison.empty())
        raison = archive.Ajouter(kScriptsCommuns, scripts->donnees + "\n" + scripts->moteur + "\n" + scripts->page + "\n");
    // The page around its scripts: before the first, between them, after
    // the last.
    const std::string_view avant = page.substr(0, scripts->debuts[0]);
    const std::string entre = std::string(page.substr(scripts->fins[0], scripts->debuts[1] - scripts->fins[0])) +
                              std::string(page.substr(scripts->fins[1], scripts->debuts[2] - scripts->fins[1]));
    const std::string_view apres = page.substr(scripts->fins[2]);
    for (std::size_t i = 0; raison.empty() && i < exercices.size(); ++i) {
        const ExercicePaquet& x = exercices[i];
        std::string html(avant);
        html += "<script>window.STRATALOOM_SCO = {\"exercice\":\"" + Base64(x.octets) +
                "\",\"nom\":" + ChaineDansScript(x.nom) + ",\"seuil\":" + std::to_string(seuil) + "};</script>\n"
                "<script src=\"" + std::string(kScriptsCommuns) + "\"></script>";
        html += entre;
        html += apres;
        raison = archive.Ajouter(PageExercicePaquet(static_cast<int>(i) + 1), html);
    }
    if (!raison.empty()) return raison;
    zip = archive.Terminer();
    return {};
}

std::string PageAvecExercice(std::string_view page, const ExercicePaquet& exercice, std::string& html) {
    const std::optional<ScriptsPage> scripts = ScriptsMarques(page);
    if (!scripts)
        return Texte("Paquet", "la page donnée n'est pas celle de Strataloom (ses trois scripts marqués manquent)");
    if (page.substr(0, scripts->debuts[0]).find(kNomExercicePage) != std::string_view::npos)
        return Texte("Paquet", "la page donnée porte déjà un exercice");
    std::vector<ExerciceLu> lus;
    if (std::string raison = LireExercices({exercice}, kSeuilParDefaut, lus); !raison.empty()) return raison;
    std::string t(page.substr(0, scripts->debuts[0]));
    t += "<script>" + std::string(kNomExercicePage) + " = {\"exercice\":\"" + Base64(exercice.octets) +
         "\",\"nom\":" + ChaineDansScript(exercice.nom) + "};</script>\n";
    t += page.substr(scripts->debuts[0]);
    html = std::move(t);
    return {};
}

std::vector<std::string> EmplacementsPage(const std::string& dossierProgramme) {
    const std::string d = dossierProgramme.empty() ? std::string(".") : dossierProgramme;
    return {d + "/strataloom.html", d + "/../share/strataloom/strataloom.html", d + "/../../build-web/strataloom.html"};
}

std::string TrouverPage(const std::string& dossierProgramme) {
    for (const std::string& c : EmplacementsPage(dossierProgramme)) {
        struct stat st {};
        if (::stat(c.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return c;
    }
    return {};
}

}  // namespace section
