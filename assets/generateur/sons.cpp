// SPDX-License-Identifier: GPL-3.0-or-later
#include "sons.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace donnees {

namespace {

constexpr double kFs = FrequenceSons;
constexpr double kDeuxPi = 2.0 * std::numbers::pi;

using Signal = std::vector<double>;

double Temps(std::size_t i) { return static_cast<double>(i) / kFs; }

Signal Vide(double secondes) { return Signal(static_cast<std::size_t>(secondes * kFs), 0.0); }

// A signal of `duree` seconds whose sample i at time t is echantillon(i, t),
// computed in order (the recipes keep their filters' state between samples).
template <class F>
Signal Sonner(double duree, F&& echantillon) {
    Signal s = Vide(duree);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = echantillon(i, Temps(i));
    return s;
}

// xorshift32 with a fixed seed per sound: the same noise on every run.
class Alea {
public:
    explicit Alea(std::uint32_t graine) : etat_(graine) {}
    std::uint32_t Suivant() {
        etat_ ^= etat_ << 13;
        etat_ ^= etat_ >> 17;
        etat_ ^= etat_ << 5;
        return etat_;
    }
    double Uniforme() { return static_cast<double>(Suivant() >> 8) / 16777216.0; }  // [0, 1)
    double Bruit() { return 2.0 * Uniforme() - 1.0; }                               // [-1, 1)

private:
    std::uint32_t etat_;
};

// One-pole low-pass filter.
class PasseBas {
public:
    explicit PasseBas(double coupure) : a_(1.0 - std::exp(-kDeuxPi * coupure / kFs)) {}
    double operator()(double x) { return y_ += a_ * (x - y_); }

private:
    double a_, y_ = 0.0;
};

// Band-pass resonator (two poles, constant peak gain); its centre may move.
class Resonateur {
public:
    Resonateur(double centre, double q) : q_(q) { Accorder(centre); }
    void Accorder(double centre) {
        const double w = kDeuxPi * centre / kFs, alpha = std::sin(w) / (2.0 * q_);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        a1_ = -2.0 * std::cos(w) / a0;
        a2_ = (1.0 - alpha) / a0;
    }
    double operator()(double x) {
        const double y = b0_ * (x - x2_) - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double q_, b0_ = 0, a1_ = 0, a2_ = 0, x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Smooth rise over `attaque` seconds and fall over the last `chute` seconds.
double Enveloppe(double t, double duree, double attaque, double chute) {
    double e = 1.0;
    if (t < attaque) e = std::sin(0.5 * std::numbers::pi * t / attaque);
    if (t > duree - chute)
        e *= std::max(0.0, std::sin(0.5 * std::numbers::pi * (duree - t) / chute));
    return e * e;
}

// Scaled to a peak of 70 % of full scale, with 2 ms ramps at both ends so
// that playback starts and stops without a click.
std::vector<std::int16_t> EnEchantillons(const Signal& s) {
    double crete = 1e-9;
    for (double v : s) crete = std::max(crete, std::abs(v));
    const std::size_t rampe = static_cast<std::size_t>(0.002 * kFs);
    std::vector<std::int16_t> sortie(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        double v = s[i] / crete * 0.7;
        const std::size_t bord = std::min(i, s.size() - 1 - i);
        if (bord < rampe) v *= static_cast<double>(bord) / static_cast<double>(rampe);
        sortie[i] = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    }
    return sortie;
}

// A soft rain of sand: thousands of tiny grains of noise, dense in the
// middle, through a band-pass that takes the hiss away.
Signal Sedimentation() {
    const double duree = 1.5;
    Alea alea(0x5ed1u);
    Resonateur bande(1800.0, 0.9);
    PasseBas doux(3000.0), doux2(3000.0);
    double grain = 0.0;
    const double amorti = std::exp(-1.0 / (0.003 * kFs));
    return Sonner(duree, [&](std::size_t, double t) {
        const double env = Enveloppe(t, duree, 0.25, 0.6);
        if (alea.Uniforme() < 700.0 / kFs * env) grain += 0.3 + 0.7 * alea.Uniforme();
        grain *= amorti;
        return doux2(doux(bande(alea.Bruit() * grain) + 0.04 * env * alea.Bruit()));
    });
}

// A bubbling rumble: low filtered noise and bubbles, each a short sine
// whose pitch rises as it dies away.
Signal Volcanisme() {
    const double duree = 1.7;
    Signal s = Vide(duree);
    Alea alea(0xc0u);
    PasseBas grave(110.0), grave2(110.0);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = Temps(i);
        s[i] = 3.0 * grave2(grave(alea.Bruit())) * Enveloppe(t, duree, 0.2, 0.5);
    }
    for (double debut = 0.05; debut < duree - 0.2; debut += 0.05 + 0.09 * alea.Uniforme()) {
        const double f0 = 140.0 + 260.0 * alea.Uniforme(), force = 0.4 + 0.6 * alea.Uniforme();
        double phase = 0.0;
        const auto premier = static_cast<std::size_t>(debut * kFs);
        for (std::size_t i = premier;
             i < s.size() && i < premier + static_cast<std::size_t>(0.15 * kFs); ++i) {
            const double u = Temps(i - premier);
            phase += kDeuxPi * f0 * (1.0 + 6.0 * u) / kFs;
            s[i] += force * 0.5 * std::sin(phase) * std::exp(-u / 0.035) *
                    Enveloppe(debut, duree, 0.2, 0.5);
        }
    }
    return s;
}

// A wash of water and wind: noise through a resonance that sweeps up and
// back down, swelling in gusts.
Signal Erosion() {
    const double duree = 1.6;
    Alea alea(0xe20de);
    Resonateur vent(500.0, 2.5);
    PasseBas souffle(900.0);
    return Sonner(duree, [&](std::size_t i, double t) {
        const double u = t / duree;
        if (i % 32 == 0)
            vent.Accorder(450.0 +
                          900.0 * std::sin(std::numbers::pi * u) * (0.8 + 0.2 * std::sin(9.0 * t)));
        const double rafale = 0.75 + 0.25 * std::sin(kDeuxPi * 2.3 * t);
        const double b = alea.Bruit();
        return (vent(b) + 0.25 * souffle(b)) * rafale * Enveloppe(t, duree, 0.45, 0.7);
    });
}

// A deep hum rising from 55 Hz towards 98 Hz, with two soft harmonics.
Signal Plutonisme() {
    const double duree = 1.8;
    Alea alea(0x9a4u);
    PasseBas texture(200.0);
    double phase = 0.0;
    return Sonner(duree, [&](std::size_t, double t) {
        const double f =
            55.0 * std::pow(98.0 / 55.0, t / duree) * (1.0 + 0.004 * std::sin(kDeuxPi * 5.0 * t));
        phase += kDeuxPi * f / kFs;
        const double son =
            std::sin(phase) + 0.45 * std::sin(2.0 * phase) + 0.2 * std::sin(3.0 * phase);
        return (son + 0.8 * texture(alea.Bruit())) * Enveloppe(t, duree, 0.35, 0.45);
    });
}

// A creaking bend: stick-slip clicks, faster then slower, ringing two
// wooden resonances whose pitch rises as the strata bend.
Signal Compression() {
    const double duree = 1.3;
    Alea alea(0x911u);
    Resonateur bois(400.0, 14.0), bois2(1100.0, 10.0);
    PasseBas feutre(2500.0);
    double prochain = 0.0;
    return Sonner(duree, [&](std::size_t i, double t) {
        const double u = t / duree;
        if (i % 32 == 0) {
            bois.Accorder(380.0 + 90.0 * u);
            bois2.Accorder(1050.0 + 200.0 * u);
        }
        double choc = 0.0;
        if (t >= prochain) {
            const double rythme = 18.0 + 30.0 * std::sin(std::numbers::pi * u);
            prochain = t + (0.8 + 0.4 * alea.Uniforme()) / rythme;
            choc = 0.6 + 0.4 * alea.Uniforme();
        }
        return feutre(bois(choc) + 0.5 * bois2(choc)) * Enveloppe(t, duree, 0.15, 0.35);
    });
}

// A grinding slide: rough, low noise in jerks, over a falling groan.
Signal Chevauchement() {
    const double duree = 1.5;
    Alea alea(0xc4e7u);
    PasseBas grain(500.0), grain2(500.0), rugosite(30.0);
    double phase = 0.0;
    return Sonner(duree, [&](std::size_t, double t) {
        const double saccade = 0.35 + std::abs(rugosite(alea.Bruit())) * 12.0;
        phase += kDeuxPi * (95.0 - 30.0 * t / duree) / kFs;
        return (grain2(grain(alea.Bruit())) * saccade + 0.08 * std::sin(phase)) *
               Enveloppe(t, duree, 0.12, 0.4);
    });
}

// A crack: a sharp burst, a low thump, then a few falling fragments.
Signal Distension() {
    const double duree = 0.9;
    Signal s = Vide(duree);
    Alea alea(0xca55u);
    PasseBas queue(600.0);
    Resonateur eclats(2200.0, 3.0);
    std::vector<double> chutes;
    for (int k = 0; k < 6; ++k) chutes.push_back(0.08 + 0.45 * alea.Uniforme());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = Temps(i), b = alea.Bruit();
        double v = b * std::exp(-t / 0.006);  // crack
        if (t > 0.004)
            v += 0.8 * std::sin(kDeuxPi * 70.0 * (t - 0.004)) *
                 std::exp(-(t - 0.004) / 0.08);     // thump
        v += 2.0 * queue(b) * std::exp(-t / 0.15);  // rumble
        double fragments = 0.0;
        for (std::size_t k = 0; k < chutes.size(); ++k)
            if (t >= chutes[k])
                fragments += std::exp(-(t - chutes[k]) / 0.004) / static_cast<double>(k + 2);
        s[i] = v + 2.0 * eclats(b * fragments);
        s[i] *= Enveloppe(t, duree, 0.0005, 0.25);
    }
    return s;
}

void Ecrire32(QByteArray& a, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) a.append(static_cast<char>((v >> (8 * k)) & 0xffu));
}
void Ecrire16(QByteArray& a, std::uint16_t v) {
    a.append(static_cast<char>(v & 0xffu));
    a.append(static_cast<char>(v >> 8));
}

}  // namespace

std::vector<Son> FabriquerSons() {
    return {
        {QStringLiteral("Sedime.Wav"), EnEchantillons(Sedimentation())},
        {QStringLiteral("Coulee.Wav"), EnEchantillons(Volcanisme())},
        {QStringLiteral("Erode.Wav"), EnEchantillons(Erosion())},
        {QStringLiteral("Granite.Wav"), EnEchantillons(Plutonisme())},
        {QStringLiteral("Plisse.Wav"), EnEchantillons(Compression())},
        {QStringLiteral("Chevauche.Wav"), EnEchantillons(Chevauchement())},
        {QStringLiteral("Casse.Wav"), EnEchantillons(Distension())},
    };
}

QByteArray FichierWav(const std::vector<std::int16_t>& echantillons, int frequence) {
    const auto octets = static_cast<std::uint32_t>(echantillons.size() * 2);
    const auto f = static_cast<std::uint32_t>(frequence);
    QByteArray a;
    a.reserve(static_cast<qsizetype>(44 + octets));
    a.append("RIFF", 4);
    Ecrire32(a, 36 + octets);
    a.append("WAVEfmt ", 8);
    Ecrire32(a, 16);     // size of the format chunk
    Ecrire16(a, 1);      // PCM
    Ecrire16(a, 1);      // mono
    Ecrire32(a, f);      // samples per second
    Ecrire32(a, f * 2);  // bytes per second
    Ecrire16(a, 2);      // bytes per sample frame
    Ecrire16(a, 16);     // bits per sample
    a.append("data", 4);
    Ecrire32(a, octets);
    for (std::int16_t e : echantillons) Ecrire16(a, static_cast<std::uint16_t>(e));
    return a;
}

}  // namespace donnees
