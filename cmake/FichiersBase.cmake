# SPDX-License-Identifier: GPL-3.0-or-later
# The files of Base/, beside the program: the seven textures in the order
# the section reads them, and the seven sounds in the order of the event
# table. Every build file and the browser page's assembler read them here;
# the engine's own table is checked against this list by its tests.
set(STRATALOOM_TEXTURES Couche1.bmp Couche2.bmp Couche3.bmp Granit.bmp Granit0.bmp Coulee.bmp Coulee0.bmp)
set(STRATALOOM_SONS Sedime.Wav Coulee.Wav Erode.Wav Granite.Wav Plisse.Wav Chevauche.Wav Casse.Wav)
