// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse and keyboard of a real X server, driven by xdotool for the
// tests that run under sous_xvfb.sh.
#pragma once

#include <QStringList>

// xdotool run with `arguments`, waited for at most ten seconds; true when it
// ended well, otherwise its error output goes to the test log.
bool Xdotool(const QStringList& arguments);
