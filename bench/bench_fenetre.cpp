// SPDX-License-Identifier: GPL-3.0-or-later
// The window on the offscreen platform: from a click on an event button to
// the repainted window (list, view, buttons), and the start of the window.
// The window reads the program's own Base folder, beside build/bin/strataloom.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "banc.h"
#include "fenetre_principale.h"

namespace banc {

namespace {

// Services without dialogs: the timed commands open none.
struct Silence : ServiceFichiers, ServiceMessages, ServiceSon, ServiceAide {
    std::optional<QString> Ouvrir(const DemandeFichier&) override { return std::nullopt; }
    std::optional<QString> Enregistrer(const DemandeFichier&) override { return std::nullopt; }
    // The start-up warning is expected; an error is worth a line.
    void Erreur(const QString& texte) override { Message(texte); }
    void Information(const QString&) override {}
    void Simple(const QString&) override {}
    void Fermer() override {}
    bool Jouer(const QString&) override { return false; }
    void Montrer(const QString&, int) override {}
    static void Message(const QString& texte) {
        std::fprintf(stderr, "strataloom_bench: window message: %s\n", qPrintable(texte));
    }
    Services Tous() { return {this, this, this, this}; }
};

// Counts the paint events of one widget.
struct Peintures : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++n;
        return false;
    }
};

// Runs everything the window has queued: layout, repaints, flushes.
void Repeindre() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

struct Fenetre {
    Silence services;
    std::unique_ptr<FenetrePrincipale> w;

    bool Ouvrir() {
        w = std::make_unique<FenetrePrincipale>(services.Tous(), QStringLiteral(STRATALOOM_PROGRAMME));
        if (w->finDemandee()) return false;
        w->show();
        Repeindre();
        return true;
    }
    QPushButton* Bouton(const char* nom) const {
        return w->findChild<QPushButton*>(QString::fromLatin1(nom));
    }
};

void BM_Demarrage(benchmark::State& st) {
    for (auto _ : st) {
        Fenetre f;
        if (!f.Ouvrir()) {
            st.SkipWithError("the window found no textures");
            return;
        }
        st.PauseTiming();
        f.w.reset();
        Repeindre();
        st.ResumeTiming();
    }
}

// After two sedimentations (a flat surface at row 302), one click on the
// command of `e`, until the window is repainted; undo, untimed, brings
// the same state back.
void BM_Clic(benchmark::State& st, section::Evenement e) {
    Fenetre f;
    if (!f.Ouvrir()) {
        st.SkipWithError("the window found no textures");
        return;
    }
    QPushButton* sedim = f.Bouton(section::Type(E::Sedimentation).bouton);
    QPushButton* bouton = f.Bouton(section::Type(e).bouton);
    QPushButton* annuler = f.Bouton("Annuler");
    if (!sedim || !bouton || !annuler) {
        st.SkipWithError("a command button is missing");
        return;
    }
    sedim->click();
    sedim->click();
    Repeindre();
    if (!bouton->isEnabled()) {
        st.SkipWithError("the command is disabled in this state");
        return;
    }
    QWidget* vue = f.w->findChild<QWidget*>(QStringLiteral("Visu"));
    if (!vue) {
        st.SkipWithError("the view is missing");
        return;
    }
    Peintures peintures;
    vue->installEventFilter(&peintures);
    int repeintes = 0;
    double commande = 0.0, peinture = 0.0;  // seconds: the handler, then the repaint
    for (auto _ : st) {
        const int avant = peintures.n;
        const auto t0 = std::chrono::steady_clock::now();
        bouton->click();
        const auto t1 = std::chrono::steady_clock::now();
        Repeindre();
        const auto t2 = std::chrono::steady_clock::now();
        st.PauseTiming();
        commande += std::chrono::duration<double>(t1 - t0).count();
        peinture += std::chrono::duration<double>(t2 - t1).count();
        repeintes += peintures.n > avant ? 1 : 0;
        annuler->click();
        Repeindre();
        st.ResumeTiming();
    }
    vue->removeEventFilter(&peintures);
    const double n = static_cast<double>(st.iterations());
    st.counters["commande_us"] = commande / n * 1e6;
    st.counters["peinture_us"] = peinture / n * 1e6;
    if (f.w->session().liste().size() != 3) st.SkipWithError("undo did not bring the state back");
    if (repeintes != static_cast<int>(st.iterations())) st.SkipWithError("the view was not repainted");
}

}  // namespace

void EnregistrerFenetre() {
    benchmark::RegisterBenchmark("Fenetre/Demarrage/640x600", BM_Demarrage)
        ->Unit(benchmark::kMillisecond);
    const std::pair<const char*, section::Evenement> clics[] = {{"Sedimentation", E::Sedimentation},
                                                                {"Compression", E::Compression},
                                                                {"Chevauchement", E::Chevauchement},
                                                                {"Distension", E::Distension}};
    for (const auto& [nom, e] : clics)
        benchmark::RegisterBenchmark((std::string("Fenetre/Clic/") + nom + "/640x600").c_str(),
                                     BM_Clic, e)
            ->Unit(benchmark::kMicrosecond);
}

}  // namespace banc
