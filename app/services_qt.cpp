// SPDX-License-Identifier: GPL-3.0-or-later
#include "services_qt.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

QStringList FiltresQt(const QString& filtre) {
    QStringList resultat;
    const QStringList parts = filtre.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString motifs = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                   .join(QLatin1Char(' '))
                                   .trimmed();
        const QString entreParentheses = QStringLiteral("(%1)").arg(motifs);
        if (description.endsWith(entreParentheses))
            resultat << description;
        else
            resultat << QStringLiteral("%1 %2").arg(description, entreParentheses);
    }
    return resultat;
}

namespace {

// Qt's dialog, plus the checks and the preview the program asks for.
class DialogueFichier : public QFileDialog {
public:
    DialogueFichier(QWidget* parent, const DemandeFichier& d) : QFileDialog(parent), demande_(d) {
        if (d.apercuImage) {
            apercu_ = new QLabel(this);
            apercu_->setObjectName(QStringLiteral("apercu"));
            apercu_->setFixedSize(164, 124);
            apercu_->setAlignment(Qt::AlignCenter);
            apercu_->setFrameShape(QFrame::StyledPanel);
            if (auto* grille = qobject_cast<QGridLayout*>(layout()))
                grille->addWidget(apercu_, 0, grille->columnCount(), grille->rowCount(), 1);
            connect(this, &QFileDialog::currentChanged, this, &DialogueFichier::Apercu);
        }
    }

    // A file name is shown as text, whatever it holds.
    void Avertir(const QString& texte) {
        QMessageBox boite(QMessageBox::Warning, windowTitle(), texte, QMessageBox::Ok, this);
        boite.setTextFormat(Qt::PlainText);
        boite.exec();
    }

    void accept() override {
        const QStringList choix = selectedFiles();
        if (!choix.isEmpty()) {
            const QFileInfo fichier(choix.first());
            if (demande_.dossierDoitExister && !fichier.isDir() && !fichier.absoluteDir().exists()) {
                Avertir(QCoreApplication::translate("DialogueFichier", "Le dossier %1 n'existe pas.")
                            .arg(QDir::toNativeSeparators(fichier.absolutePath())));
                return;
            }
            if (demande_.fichierDoitExister && !fichier.isDir() && !fichier.exists()) {
                Avertir(QCoreApplication::translate("DialogueFichier", "Le fichier %1 n'existe pas.")
                            .arg(QDir::toNativeSeparators(fichier.absoluteFilePath())));
                return;
            }
        }
        QFileDialog::accept();
    }

private:
    void Apercu(const QString& chemin) {
        // Only a regular file is opened: a pipe would wait for a writer, a
        // device would never end.
        if (!QFileInfo(chemin).isFile()) {
            apercu_->clear();
            return;
        }
        QImageReader lecteur(chemin);
        const QSize taille = lecteur.size();
        if (!taille.isValid()) {
            apercu_->clear();
            return;
        }
        lecteur.setScaledSize(taille.scaled(apercu_->size() - QSize(4, 4), Qt::KeepAspectRatio));
        apercu_->setPixmap(QPixmap::fromImage(lecteur.read()));
    }

    DemandeFichier demande_;
    QLabel* apercu_ = nullptr;
};

// The proposed folders in the dialog's side bar, after its own places.
void ProposerDossiers(QFileDialog& dlg, const QStringList& dossiers) {
    if (dossiers.isEmpty()) return;
    QList<QUrl> places = dlg.sidebarUrls();
    for (const QString& dossier : dossiers) {
        const QUrl url = QUrl::fromLocalFile(dossier);
        if (!places.contains(url)) places << url;
    }
    dlg.setSidebarUrls(places);
}

}  // namespace

std::optional<QString> FichiersQt::Ouvrir(const DemandeFichier& d) { return Dialogue(d, true); }

std::optional<QString> FichiersQt::Enregistrer(const DemandeFichier& d) {
    return Dialogue(d, false);
}

std::optional<QString> FichiersQt::ChoisirDossier(const DemandeFichier& d) {
    QFileDialog dlg(parent_);
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setWindowTitle(!d.titre.isEmpty() ? d.titre : QCoreApplication::translate("FichiersQt", "Choisir un dossier"));
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setOption(QFileDialog::ShowDirsOnly);
    ProposerDossiers(dlg, d.dossiersProposes);
    if (!d.dossierInitial.isEmpty()) dlg.setDirectory(d.dossierInitial);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().front();
}

std::optional<QString> FichiersQt::Dialogue(const DemandeFichier& d, bool ouvrir) {
    DialogueFichier dlg(parent_, d);
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setWindowTitle(!d.titre.isEmpty() ? d.titre
                       : ouvrir           ? QCoreApplication::translate("FichiersQt", "Ouvrir")
                                          : QCoreApplication::translate("FichiersQt", "Enregistrer sous"));
    dlg.setAcceptMode(ouvrir ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dlg.setFileMode(ouvrir && d.fichierDoitExister ? QFileDialog::ExistingFile
                                                   : QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !d.confirmerEcrasement);
    const QStringList filtres = FiltresQt(d.filtre);
    if (!filtres.isEmpty()) dlg.setNameFilters(filtres);
    if (!d.extensionDefaut.isEmpty()) dlg.setDefaultSuffix(d.extensionDefaut);
    ProposerDossiers(dlg, d.dossiersProposes);

    // A preset full name opens in its own folder; a bare name in the
    // initial folder, or where the dialog chooses when there is none.
    const QString nom = QDir::fromNativeSeparators(d.nomFichier);
    const QFileInfo preset(nom);
    if (!nom.isEmpty() && nom.contains(QLatin1Char('/')) && preset.isAbsolute()) {
        dlg.setDirectory(preset.absolutePath());
        dlg.selectFile(preset.fileName());
    } else {
        if (!d.dossierInitial.isEmpty()) dlg.setDirectory(d.dossierInitial);
        if (!nom.isEmpty()) dlg.selectFile(nom);
    }

    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList choix = dlg.selectedFiles();
    if (choix.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(choix.first());
}

void MessagesQt::Montrer(int icone, const QString& texte) {
    // Lines separated by a lone CR are shown as lines.
    QString lignes = texte;
    lignes.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox boite(static_cast<QMessageBox::Icon>(icone), QString::fromLatin1(kTitreApplication),
                      lignes, QMessageBox::Ok, parent_);
    // Titles and names from files are text, never markup (a link, a
    // picture, a big green mark).
    boite.setTextFormat(Qt::PlainText);
    boite.exec();
}

void MessagesQt::Erreur(const QString& texte) { Montrer(QMessageBox::Critical, texte); }
void MessagesQt::Information(const QString& texte) { Montrer(QMessageBox::Information, texte); }
void MessagesQt::Simple(const QString& texte) { Montrer(QMessageBox::NoIcon, texte); }

std::optional<QString> QuestionsQt::Demander(const QString& question, const QString& defaut) {
    bool ok = false;
    const QString t = QInputDialog::getText(parent_, QString::fromLatin1(kTitreApplication), question,
                                            QLineEdit::Normal, defaut, &ok);
    if (!ok) return std::nullopt;
    return t;
}

int QuestionsQt::Choisir(const QString& texte, const QStringList& boutons) {
    QString lignes = texte;
    lignes.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox boite(QMessageBox::Question, QString::fromLatin1(kTitreApplication), lignes, QMessageBox::NoButton,
                      parent_);
    boite.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> poses;
    for (const QString& libelle : boutons) poses << boite.addButton(libelle, QMessageBox::AcceptRole);
    if (!poses.isEmpty()) boite.setDefaultButton(qobject_cast<QPushButton*>(poses.front()));
    boite.exec();
    return static_cast<int>(poses.indexOf(boite.clickedButton()));
}

Reponse QuestionsQt::OuiNonAnnuler(const QString& texte) {
    QString lignes = texte;
    lignes.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox boite(QMessageBox::Question, QString::fromLatin1(kTitreApplication), lignes,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    boite.setTextFormat(Qt::PlainText);
    boite.setDefaultButton(QMessageBox::Cancel);
    boite.setEscapeButton(QMessageBox::Cancel);
    switch (boite.exec()) {
    case QMessageBox::Yes: return Reponse::Oui;
    case QMessageBox::No: return Reponse::Non;
    default: return Reponse::Annuler;
    }
}
