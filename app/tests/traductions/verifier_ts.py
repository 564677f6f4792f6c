#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The English translations file against the sources.

    verifier_ts.py LUPDATE FICHIER.ts LISTE_DES_SOURCES DOSSIER_TEMPORAIRE [OPTIONS DE LUPDATE...]

Fails when the file is not what `update_translations` would write from the
sources (a text added, changed or removed without the file following), when
a text has no translation, or when a translation loses or adds a %1...%9
(or %n) that the program fills in.
"""
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def texte(element):
    """The text of <source> or <translation>, <byte value="xd"/> as \\r."""
    if element is None:
        return ""
    morceaux = [element.text or ""]
    for enfant in element:
        if enfant.tag == "byte":
            valeur = enfant.get("value")
            morceaux.append(chr(int(valeur[1:], 16) if valeur.startswith("x") else int(valeur)))
        morceaux.append(enfant.tail or "")
    return "".join(morceaux)


def marques(t):
    return sorted(re.findall(r"%(?:[1-9]|n)", t))


def main():
    lupdate, ts, liste, temp, *options = sys.argv[1:]
    temp = Path(temp)
    temp.mkdir(parents=True, exist_ok=True)
    copie = temp / Path(ts).name
    shutil.copyfile(ts, copie)
    subprocess.run([lupdate, *options, "@" + liste, "-ts", str(copie)], check=True,
                   stdout=subprocess.DEVNULL)
    erreurs = []
    if copie.read_bytes() != Path(ts).read_bytes():
        erreurs.append(f"{ts} ne suit plus les sources : lancer "
                       "`cmake --build build --target update_translations`, puis traduire")
    for contexte in ET.parse(copie).getroot().iter("context"):
        nom = contexte.findtext("name")
        for message in contexte.iter("message"):
            source = texte(message.find("source"))
            traduction = message.find("translation")
            ou = f"{nom} : {source!r}"
            if traduction is None or traduction.get("type") in ("unfinished", "vanished", "obsolete"):
                erreurs.append(f"sans traduction : {ou}")
                continue
            formes = traduction.findall("numerusform")
            for t in ([texte(f) for f in formes] if formes else [texte(traduction)]):
                if not t.strip():
                    erreurs.append(f"traduction vide : {ou}")
                elif marques(t) != marques(source):
                    erreurs.append(f"{marques(source)} devient {marques(t)} : {ou}")
    for e in erreurs:
        print(e)
    return 1 if erreurs else 0


if __name__ == "__main__":
    sys.exit(main())
