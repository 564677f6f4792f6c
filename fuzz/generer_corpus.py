#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed corpora of the fuzz targets: event lists in
corpus/listes and BMP pictures (and a few that are not) in corpus/images.
Every file is small; the same run always writes the same bytes.

    python3 fuzz/generer_corpus.py
"""
import os
import random
import struct
import zlib

ICI = os.path.dirname(os.path.abspath(__file__))
SED = b"S\xe9dimentation"
EVENEMENTS = [SED, b"Volcanisme", b"Erosion", b"Plutonisme", b"Compression",
              b"Chevauchement", b"Distension"]


def ecrire(dossier, nom, octets):
    os.makedirs(dossier, exist_ok=True)
    with open(os.path.join(dossier, nom), "wb") as f:
        f.write(octets)
    assert len(octets) < 20 * 1024, nom


def listes():
    d = os.path.join(ICI, "corpus", "listes")
    tout = [SED] + EVENEMENTS
    crlf = lambda lignes: b"".join(l + b"\r\n" for l in lignes)
    ecrire(d, "tous_crlf.lst", crlf(tout))
    ecrire(d, "tous_lf.lst", b"".join(l + b"\n" for l in tout))
    ecrire(d, "tous_cr.lst", b"".join(l + b"\r" for l in tout))
    ecrire(d, "melange_fins.lst", SED + b"\r\nCompression\nErosion\rDistension\n\r" + SED)
    ecrire(d, "sans_fin_finale.lst", SED + b"\r\nCompression\r\nChevauchement")
    # The fuzz target picks its section by the first byte: "G" (0x47) the
    # section taller than the view.
    ecrire(d, "section_haute.lst", crlf([b"G"] + EVENEMENTS + [b"Chevauchement"]))
    ecrire(d, "une_ligne.lst", crlf([SED]))
    ecrire(d, "vide.lst", b"")
    ecrire(d, "fins_seules.lst", b"\r\n\r\n\n\r\r")
    ecrire(d, "nul.lst", crlf([SED, b"Compression"]) + b"\0" + crlf([b"Distension"]))
    ecrire(d, "nul_en_tete.lst", b"\0" + crlf(tout))
    ecrire(d, "inconnues.lst", crlf([SED, b"erosion", b"Erosion ", b"", b" Compression",
                                     b"Sedimentation", "Sédimentation".encode("utf-8"),
                                     b"DISTENSION", b"Volcanisme"]))
    ecrire(d, "premiere_erosion.lst", crlf([b"Erosion", b"Compression"]))
    ecrire(d, "premiere_distension.lst", crlf([b"Distension", b"Plutonisme", b"Chevauchement"]))
    ecrire(d, "plis_repetes.lst", crlf([SED] + [b"Compression", b"Chevauchement"] * 4))
    ecrire(d, "distensions.lst", crlf([SED] + [b"Distension", SED, b"Erosion"] * 5))
    ecrire(d, "volcans.lst", crlf([SED] + [b"Volcanisme", b"Plutonisme"] * 6))
    alea = random.Random(1984)
    ecrire(d, "longue.lst", crlf([SED] + [alea.choice(EVENEMENTS) for _ in range(120)]))
    ecrire(d, "octets_au_hasard.lst", bytes(alea.randrange(256) for _ in range(600)))
    ecrire(d, "octets_hauts.lst", crlf([bytes(range(0x80, 0x100)), SED]))
    # Read as UTF-8, these give Windows-1252 lines whose bytes form UTF-8
    # again ("\xC3\xA9", that is "Ã©"): written back, they are read anew.
    ecrire(d, "cp1252_en_forme_utf8.lst", crlf([b"Erosion", "Ã©".encode("utf-8"), b"Compression",
                                                "\ufeffÃ©Erosion".encode("utf-8"), b"Volcanisme"]))


def entete(taille_fichier, donnees):
    return b"BM" + struct.pack("<IHHI", taille_fichier, 0, 0, donnees)


def info(w, h, bpp, compression=0, taille_image=0, couleurs=0, taille=40):
    corps = struct.pack("<iiHHIIiiII", w, h, 1, bpp, compression, taille_image, 2835, 2835,
                        couleurs, 0)
    return struct.pack("<I", taille) + corps + b"\0" * (taille - 40)


def bmp(w, h, bpp, lignes, palette=b"", compression=0, masques=b"", haut_en_bas=False):
    """`lignes`: the pixel rows as bytes, in file order, each padded here."""
    pas = (w * bpp + 31) // 32 * 4
    corps = b"".join(l.ljust(pas, b"\0") for l in lignes)
    donnees = 14 + 40 + len(masques) + len(palette)
    hh = -h if haut_en_bas else h
    tete = info(w, hh, bpp, compression, len(corps), len(palette) // 4)
    return entete(donnees + len(corps), donnees) + tete + masques + palette + corps


def palette(n):
    return b"".join(bytes((i * 37 % 256, i * 91 % 256, 255 - i * 17 % 256, 0)) for i in range(n))


def rgb24(w, h, f):
    return [b"".join(bytes(f(x, y)) for x in range(w)) for y in range(h)]


def bleu_rouge(x, y):
    # B, G, R: blue sky above rock bands with a red row
    if y < 3:
        return (255, 0, 0)
    if y == 5:
        return (0, 0, 255)
    return (60 + 20 * (y % 3), 90 + x % 50, 120)


def images():
    d = os.path.join(ICI, "corpus", "images")
    w, h = 24, 10
    ecrire(d, "rgb24.bmp", bmp(w, h, 24, rgb24(w, h, bleu_rouge)))
    ecrire(d, "rgb24_haut_en_bas.bmp", bmp(w, h, 24, rgb24(w, h, bleu_rouge), haut_en_bas=True))
    ecrire(d, "rgb32.bmp", bmp(w, h, 32, [b"".join(bytes(bleu_rouge(x, y)) + b"\0"
                                                   for x in range(w)) for y in range(h)]))
    masques = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    l16 = [b"".join(struct.pack("<H", (x * 2 & 0x1F) << 11 | (y * 6 & 0x3F) << 5 | 31)
                    for x in range(w)) for y in range(h)]
    ecrire(d, "rgb16_champs.bmp", bmp(w, h, 16, l16, compression=3, masques=masques))
    m32 = struct.pack("<III", 0xFF0000, 0xFF00, 0xFF)
    ecrire(d, "rgb32_champs.bmp", bmp(w, h, 32, [b"".join(bytes(bleu_rouge(x, y)) + b"\xff"
                                                          for x in range(w)) for y in range(h)],
                                      compression=3, masques=m32))
    ecrire(d, "pal1.bmp", bmp(w, h, 1, [bytes([0b10110010 ^ y] * 3) for y in range(h)], palette(2)))
    ecrire(d, "pal4.bmp", bmp(w, h, 4, [bytes(((x + y) % 16) << 4 | (x * 3 % 16)
                                              for x in range(w // 2)) for y in range(h)], palette(16)))
    ecrire(d, "pal8.bmp", bmp(w, h, 8, [bytes((x * y) % 256 for x in range(w)) for y in range(h)],
                              palette(256)))
    # RLE8: runs, an absolute run, end of line, a delta, end of picture.
    rle8 = b""
    for y in range(h):
        rle8 += bytes((8, y, 4, 200)) + bytes((0, 4, 1, 2, 3, 4)) + bytes((8, 7)) + b"\0\0"
    rle8 += b"\0\x02\x02\x01" + b"\0\x01"
    tete = info(w, h, 8, 1, len(rle8), 256)
    ecrire(d, "rle8.bmp", entete(14 + 40 + 1024 + len(rle8), 14 + 40 + 1024) + tete + palette(256) + rle8)
    rle4 = b"".join(bytes((12, 0x12, 0, 4, 0x34, 0x56, 0, 0)) for _ in range(h)) + b"\0\x01"
    tete = info(w, h, 4, 2, len(rle4), 16)
    ecrire(d, "rle4.bmp", entete(14 + 40 + 64 + len(rle4), 14 + 40 + 64) + tete + palette(16) + rle4)
    # OS/2 1.x header (12 bytes), 24-bit and 8-bit with a 3-byte palette.
    pas = (w * 3 + 3) // 4 * 4
    corps = b"".join(l.ljust(pas, b"\0") for l in rgb24(w, h, bleu_rouge))
    ecrire(d, "os2_24.bmp", entete(26 + len(corps), 26) + struct.pack("<IHHHH", 12, w, h, 1, 24) + corps)
    pal3 = b"".join(bytes((i, 255 - i, i // 2)) for i in range(256))
    corps8 = b"".join(bytes((x + y) % 256 for x in range(w)) for y in range(h))
    ecrire(d, "os2_8.bmp", entete(26 + 768 + len(corps8), 26 + 768) +
           struct.pack("<IHHHH", 12, w, h, 1, 8) + pal3 + corps8)
    # A V5 header (124 bytes).
    corps = b"".join(l.ljust(pas, b"\0") for l in rgb24(w, h, bleu_rouge))
    ecrire(d, "v5_24.bmp", entete(14 + 124 + len(corps), 14 + 124) + info(w, h, 24, taille=124) + corps)
    # A texture-like strip wider than the hidden margin.
    ecrire(d, "bande_160x6.bmp", bmp(160, 6, 24, rgb24(160, 6, bleu_rouge)))
    ecrire(d, "un_pixel.bmp", bmp(1, 1, 24, [b"\xff\x00\x00"]))

    # Hostile: cut short, lying headers, not a BMP.
    entier = bmp(w, h, 24, rgb24(w, h, bleu_rouge))
    ecrire(d, "tronque.bmp", entier[: len(entier) - 40])
    ecrire(d, "entete_seul.bmp", entier[:54])
    ecrire(d, "entete_coupe.bmp", entier[:20])
    ecrire(d, "bm_seul.bmp", b"BM")
    ecrire(d, "vide.bmp", b"")
    ecrire(d, "largeur_nulle.bmp", entete(54, 54) + info(0, h, 24))
    ecrire(d, "hauteur_nulle.bmp", entete(54, 54) + info(w, 0, 24))
    ecrire(d, "geant_20000.bmp", entete(54 + 64, 54) + info(20000, 20000, 24) + b"\x80" * 64)
    ecrire(d, "geant_16000.bmp", entete(54 + 64, 54) + info(16000, 16000, 24) + b"\x80" * 64)
    ecrire(d, "geant_rle8.bmp", entete(54 + 1024 + 4, 54 + 1024) + info(16000, 8000, 8, 1, 4, 256) +
           palette(256) + b"\0\0\0\x01")
    ecrire(d, "negatif_min.bmp", entete(54 + 16, 54) + info(w, -2**31, 24) + b"\0" * 16)
    ecrire(d, "donnees_loin.bmp", entete(len(entier), 1 << 30) + entier[14:])
    ecrire(d, "bpp_bizarre.bmp", entete(len(entier), 54) + info(w, h, 13) + entier[54:])
    ecrire(d, "palette_enorme.bmp", entete(54 + 64, 54) + info(4, 4, 8, couleurs=2**31) + b"\0" * 64)
    ecrire(d, "entete_geant.bmp", entete(len(entier), 54) + struct.pack("<I", 0x7FFFFFFF) + entier[18:])

    def bloc(genre, contenu):
        return struct.pack(">I", len(contenu)) + genre + contenu + \
            struct.pack(">I", zlib.crc32(genre + contenu) & 0xFFFFFFFF)
    png = b"\x89PNG\r\n\x1a\n" + bloc(b"IHDR", struct.pack(">IIBBBBB", 4, 4, 8, 2, 0, 0, 0)) + \
        bloc(b"IDAT", zlib.compress(b"".join(b"\0" + b"\x10\x20\x30" * 4 for _ in range(4)))) + \
        bloc(b"IEND", b"")
    ecrire(d, "png_renomme.bmp", png)


if __name__ == "__main__":
    listes()
    images()
