// SPDX-License-Identifier: GPL-3.0-or-later
#include "aide_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWidget>

#include "icone.h"

namespace {

// Whether the document holds the anchor, from <a name="..."> or an id.
bool AncrePresente(const QTextDocument& document, const QString& nom) {
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        if (bloc.charFormat().anchorNames().contains(nom)) return true;
        for (auto it = bloc.begin(); !it.atEnd(); ++it) {
            const QTextFragment morceau = it.fragment();
            if (morceau.isValid() && morceau.charFormat().anchorNames().contains(nom))
                return true;
        }
    }
    return false;
}

}  // namespace

QString AncreContexte(int contexte) { return QStringLiteral("contexte-%1").arg(contexte); }

AideQt::AideQt() = default;
AideQt::~AideQt() = default;

//   [Précédent] [Suivant] [Sommaire]            [Fermer]
//   message, only when something is missing
//   +----------------------------------------------------+
//   | the help text                                      |
void AideQt::CreerFenetre() {
    fenetre_ = std::make_unique<QWidget>();
    QWidget* f = fenetre_.get();
    f->setObjectName(QStringLiteral("FenetreAide"));
    f->setWindowTitle(QCoreApplication::translate("AideQt", "Aide de Strataloom"));
    f->setWindowIcon(IconeProgramme());
    // The help alone does not keep the program running.
    f->setAttribute(Qt::WA_QuitOnClose, false);
    f->resize(640, 560);

    auto* precedent = new QPushButton(QCoreApplication::translate("AideQt", "Précédent"), f);
    precedent->setObjectName(QStringLiteral("Precedent"));
    auto* suivant = new QPushButton(QCoreApplication::translate("AideQt", "Suivant"), f);
    suivant->setObjectName(QStringLiteral("Suivant"));
    sommaire_ = new QPushButton(QCoreApplication::translate("AideQt", "Sommaire"), f);
    sommaire_->setObjectName(QStringLiteral("Sommaire"));
    auto* fermer = new QPushButton(QCoreApplication::translate("AideQt", "Fermer"), f);
    fermer->setObjectName(QStringLiteral("Fermer"));
    for (QPushButton* b : {precedent, suivant, sommaire_.data(), fermer})
        b->setAutoDefault(false);
    precedent->setEnabled(false);
    suivant->setEnabled(false);

    message_ = new QLabel(f);
    message_->setTextFormat(Qt::PlainText);  // it may quote a file name
    message_->setObjectName(QStringLiteral("Message"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral(
        "QLabel { background: #fff4d0; color: #7a1f10; border: 1px solid #d8b860; padding: 6px; }"));
    message_->hide();

    navigateur_ = new QTextBrowser(f);
    navigateur_->setObjectName(QStringLiteral("Navigateur"));
    navigateur_->setOpenExternalLinks(true);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(precedent);
    boutons->addWidget(suivant);
    boutons->addWidget(sommaire_);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(f);
    colonne->addLayout(boutons);
    colonne->addWidget(message_);
    colonne->addWidget(navigateur_, 1);

    QTextBrowser* nav = navigateur_;
    QObject::connect(precedent, &QPushButton::clicked, nav, &QTextBrowser::backward);
    QObject::connect(suivant, &QPushButton::clicked, nav, &QTextBrowser::forward);
    QObject::connect(nav, &QTextBrowser::backwardAvailable, precedent, &QWidget::setEnabled);
    QObject::connect(nav, &QTextBrowser::forwardAvailable, suivant, &QWidget::setEnabled);
    QObject::connect(sommaire_, &QPushButton::clicked, nav, [this] {
        if (fichier_.isEmpty()) return;
        QUrl debut = QUrl::fromLocalFile(fichier_);
        debut.setFragment(AncreContexte(0));
        navigateur_->setSource(debut, QTextDocument::HtmlResource);
    });
    QObject::connect(fermer, &QPushButton::clicked, f, &QWidget::close);
    auto* echap = new QShortcut(QKeySequence(Qt::Key_Escape), f);
    QObject::connect(echap, &QShortcut::activated, f, &QWidget::close);
}

// Keeps what went wrong, empty when nothing did; `bandeau` shows it in the
// band above the help text.
void AideQt::Signaler(const QString& texte, bool bandeau) {
    texteMessage_ = texte;
    message_->setText(texte);
    message_->setVisible(bandeau && !texte.isEmpty());
}

void AideQt::Montrer(const QString& fichierAide, int contexte) {
    if (!fenetre_) CreerFenetre();
    const QFileInfo info(fichierAide);
    QFile fichier(info.absoluteFilePath());
    if (!info.isFile() || !fichier.open(QIODevice::ReadOnly)) {
        fichier_.clear();
        const QString nom = QDir::toNativeSeparators(fichierAide);
        const QString texte = info.exists()
                                  ? QCoreApplication::translate("AideQt", "Le fichier d'aide « %1 » ne peut pas être lu.").arg(nom)
                                  : QCoreApplication::translate("AideQt", "Le fichier d'aide « %1 » est introuvable.").arg(nom);
        navigateur_->clearHistory();
        navigateur_->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p>")
                                 .arg(QCoreApplication::translate("AideQt", "Aide indisponible").toHtmlEscaped(),
                                      texte.toHtmlEscaped()));
        Signaler(texte, false);  // the page itself says it
    } else {
        fichier.close();
        const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
        QUrl cible = url;
        cible.setFragment(AncreContexte(contexte));
        // The file is read again at every request, so a help file written
        // since shows as it is now: the browser reloads a file it already
        // shows only once its document has changed.
        navigateur_->clear();
        navigateur_->setSource(cible, QTextDocument::HtmlResource);
        fichier_ = info.absoluteFilePath();
        if (AncrePresente(*navigateur_->document(), cible.fragment())) {
            Signaler(QString(), false);
        } else {
            navigateur_->verticalScrollBar()->setValue(0);
            Signaler(QCoreApplication::translate("AideQt", "La rubrique %1 est absente du fichier d'aide.").arg(contexte), true);
        }
    }
    sommaire_->setEnabled(!fichier_.isEmpty());

    QWidget* f = fenetre_.get();
    f->setWindowState(f->windowState() & ~Qt::WindowMinimized);
    f->show();
    f->raise();
    f->activateWindow();
}
