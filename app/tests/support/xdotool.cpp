// SPDX-License-Identifier: GPL-3.0-or-later
#include "xdotool.h"

#include <QDebug>
#include <QProcess>

bool Xdotool(const QStringList& arguments) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    if (!p.waitForFinished(10000)) return false;
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning() << "xdotool" << arguments << p.readAllStandardError();
        return false;
    }
    return true;
}
