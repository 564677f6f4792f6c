// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds its data and where its dialogs start: the folders
// derived from the executable's location and from the system.
#pragma once

#include <QString>

#include "langue.h"

#ifdef Q_OS_WIN
inline constexpr bool kSystemeWindows = true;
#else
inline constexpr bool kSystemeWindows = false;
#endif

// The executable's folder with its trailing separator.
QString RepAppliDe(const QString& executable);

// The help file: the executable's full name with its extension (if any)
// replaced by ".hlp".
QString FichierAideDe(const QString& executable);

// The help file in `langue`: for French the one above; for English the
// same name ending in "_en.hlp" instead when that file exists, otherwise
// the French one, so that a pupil still gets help.
QString FichierAideDe(const QString& executable, Langue langue);

// The Windows rule for the documents folder: "P:" when a "P:\" folder
// exists, otherwise the system drive letter (first character of the
// Windows folder's directory part) followed by ":\Mes documents". An empty
// Windows folder falls back to drive C.
QString DossierDocumentsWindows(bool lecteurPExiste, const QString& repWindows);

// The documents folder of this system: the Windows rule on Windows, the
// user's standard documents folder elsewhere.
QString DossierDocumentsSysteme();

// The folder part of a file name: everything before the last separator,
// without it, except that a root folder keeps its separator; empty when the
// name holds no separator. On Windows both '\' and '/' separate.
QString DossierDe(const QString& nomFichier, bool windows = kSystemeWindows);
