// SPDX-License-Identifier: GPL-3.0-or-later
#include "son_qt.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

bool EstFichierWave(const QString& chemin) {
    const QFileInfo info(chemin);
    if (!info.isFile()) return false;
    QFile fichier(info.absoluteFilePath());
    if (!fichier.open(QIODevice::ReadOnly)) return false;
    const QByteArray entete = fichier.read(12);
    return entete.size() == 12 && entete.startsWith("RIFF") && entete.mid(8, 4) == "WAVE";
}

SonQt::SonQt() = default;
SonQt::~SonQt() = default;

// Stopping also cancels a start still waiting for the file to load.
void SonQt::Fermer() {
    if (effet_) effet_->stop();
}

bool SonQt::Jouer(const QString& chemin) {
    Fermer();
    if (!EstFichierWave(chemin)) return false;
    if (!effet_) {
        // The player's audio goes through the default media backend; the
        // ffmpeg one is never asked for here.
        if (qgetenv("QT_MEDIA_BACKEND") == "ffmpeg") qunsetenv("QT_MEDIA_BACKEND");
        effet_ = std::make_unique<QSoundEffect>();
        // A file the player cannot decode ends in Error, later: silence.
        QSoundEffect* effet = effet_.get();
        QObject::connect(effet, &QSoundEffect::statusChanged, effet, [effet] {
            if (effet->status() == QSoundEffect::Error) effet->stop();
        });
    }
    // The player keeps a source it failed on: let it read the file afresh.
    if (effet_->status() == QSoundEffect::Error) effet_->setSource(QUrl());
    effet_->setSource(QUrl::fromLocalFile(QFileInfo(chemin).absoluteFilePath()));
    effet_->play();
    return true;
}
