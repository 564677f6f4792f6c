// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer: one window, not modal, showing the help file (an HTML
// document whose topics are anchors "contexte-N") at the asked topic. The
// window is reused from one request to the next. A missing file or topic
// is said in the window itself; the program goes on.
#pragma once

#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <memory>

#include "services.h"

class QLabel;
class QPushButton;

class QWidget;

// The anchor of a topic: "contexte-15" for context 15.
QString AncreContexte(int contexte);

class AideQt : public ServiceAide {
public:
    AideQt();
    ~AideQt() override;
    AideQt(const AideQt&) = delete;
    AideQt& operator=(const AideQt&) = delete;

    void Montrer(const QString& fichierAide, int contexte) override;

    // For tests: the window (null before the first request), its browser,
    // and what the window says went wrong (empty when all went well).
    QWidget* fenetre() const { return fenetre_.get(); }
    QTextBrowser* navigateur() const { return navigateur_; }
    const QString& message() const { return texteMessage_; }

private:
    void CreerFenetre();
    void Signaler(const QString& texte, bool bandeau);

    std::unique_ptr<QWidget> fenetre_;
    QPointer<QTextBrowser> navigateur_;
    QPointer<QLabel> message_;
    QPointer<QPushButton> sommaire_;
    QString fichier_;  // the file shown, empty when it could not be read
    QString texteMessage_;
};
