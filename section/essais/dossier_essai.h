// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests of files share, from the engine's to the window's and the
// renderer's: a temporary folder removed at the end, whole files as bytes,
// a folder's listing, a tmpfs mounted for one test, a watchdog for reads
// that must never wait, and a picture bomb.
#pragma once

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <set>
#include <string>
#include <thread>

namespace section::test {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with all it
// holds when the test ends.
class DossierTemporaire {
public:
    DossierTemporaire() {
        std::string modele = (fs::temp_directory_path() / "strataloom-fichiers-XXXXXX").string();
        if (::mkdtemp(modele.data())) chemin_ = modele;
    }
    ~DossierTemporaire() {
        if (chemin_.empty()) return;
        std::error_code e;
        fs::remove_all(chemin_, e);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    bool Valide() const { return !chemin_.empty(); }
    const std::string& Chemin() const { return chemin_; }
    std::string operator/(const std::string& nom) const { return chemin_ + "/" + nom; }

private:
    std::string chemin_;
};

inline std::string Octets(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

inline bool Ecrire(const std::string& chemin, const std::string& octets) {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    return static_cast<bool>(f.flush());
}

// Every name in a folder, hidden ones included.
inline std::set<std::string> Contenu(const std::string& dossier) {
    std::set<std::string> noms;
    std::error_code e;
    for (const auto& entree : fs::directory_iterator(dossier, e)) noms.insert(entree.path().filename().string());
    return noms;
}

// A tmpfs of `options` (for example "size=600k") mounted on a folder of
// its own, unmounted when the test ends, whether it passes or not. Only
// root may mount: `raison` says why it could not be done.
class TmpfsMonte {
public:
    explicit TmpfsMonte(const std::string& point, const char* options) : point_(point) {
        if (::geteuid() != 0) {
            raison_ = "il faut être root pour monter un tmpfs";
            return;
        }
        if (::mount("tmpfs", point_.c_str(), "tmpfs", 0, options) != 0) {
            raison_ = std::string("mount -t tmpfs refusé : ") + std::strerror(errno);
            return;
        }
        monte_ = true;
    }
    ~TmpfsMonte() {
        if (monte_) ::umount2(point_.c_str(), MNT_DETACH);
    }
    TmpfsMonte(const TmpfsMonte&) = delete;
    TmpfsMonte& operator=(const TmpfsMonte&) = delete;

    bool Monte() const { return monte_; }
    const std::string& Raison() const { return raison_; }

private:
    std::string point_;
    std::string raison_;
    bool monte_ = false;
};

// Fills the file system holding `chemin` with one file until it is full;
// true when the last write failed with ENOSPC.
inline bool Remplir(const std::string& chemin) {
    const int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const std::string bloc(4096, 'p');
    bool plein = false;
    for (;;) {
        const ssize_t n = ::write(fd, bloc.data(), bloc.size());
        if (n > 0) continue;
        plein = n < 0 && errno == ENOSPC;
        break;
    }
    ::close(fd);
    return plein;
}

// Watches a read or a write that must return at once on a FIFO with no one
// at its other end. If it still waits after a long while (a regression: an
// open, a read or a write waiting for the other end), the watchdog takes
// the other end, so the call ends (an end of file for a reader; a writer's
// bytes are read and dropped) and the test goes on; Bloque() is then true
// and the test fails instead of hanging.
class GardienFifo {
public:
    enum class Attente { Lecteur, Ecrivain };  // what the watched call is
    GardienFifo(std::string fifo, Attente attente, std::chrono::seconds delai = std::chrono::seconds(20))
        : fifo_(std::move(fifo)), attente_(attente), fil_([this, delai] { Veiller(delai); }) {}
    ~GardienFifo() { Terminer(); }
    GardienFifo(const GardienFifo&) = delete;
    GardienFifo& operator=(const GardienFifo&) = delete;

    // Stops watching; true when the call had to be woken.
    bool Bloque() {
        Terminer();
        return bloque_;
    }

private:
    void Veiller(std::chrono::seconds delai) {
        std::unique_lock<std::mutex> verrou(m_);
        if (cv_.wait_for(verrou, delai, [this] { return fini_; })) return;
        bloque_ = true;
        while (!fini_) {
            if (attente_ == Attente::Lecteur) {
                // A writer that comes and goes wakes a waiting reader.
                const int fd = ::open(fifo_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) ::close(fd);
            } else {
                const int fd = ::open(fifo_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
                char tampon[4096];
                for (int n = 0; fd >= 0 && n < 20; ++n) {
                    while (::read(fd, tampon, sizeof tampon) > 0) {
                    }
                    cv_.wait_for(verrou, std::chrono::milliseconds(10), [this] { return fini_; });
                }
                if (fd >= 0) ::close(fd);
            }
            cv_.wait_for(verrou, std::chrono::milliseconds(50), [this] { return fini_; });
        }
    }
    void Terminer() {
        {
            std::lock_guard<std::mutex> verrou(m_);
            fini_ = true;
        }
        cv_.notify_all();
        if (fil_.joinable()) fil_.join();
    }

    std::string fifo_;
    Attente attente_;
    std::mutex m_;
    std::condition_variable cv_;
    bool fini_ = false;
    std::atomic<bool> bloque_{false};
    std::thread fil_;
};

inline void PetitBoutiste(std::string& o, std::uint32_t v, int octets) {
    for (int i = 0; i < octets; ++i) o += static_cast<char>(v >> (8 * i) & 0xFF);
}

// About 1 KB of 8-bit RLE BMP declaring w x h pixels.
inline std::string BombeRle(int w, int h) {
    std::string runs;
    for (int i = 0; i < 256; ++i) runs += std::string("\xFF\x05", 2);
    runs += std::string("\0\x01", 2);
    std::string b = "BM";
    const std::uint32_t debut = 54 + 1024;
    const auto taille = static_cast<std::uint32_t>(runs.size());
    for (const std::uint32_t v : {debut + taille, 0u, debut, 40u, std::uint32_t(w), std::uint32_t(h)})
        PetitBoutiste(b, v, 4);
    PetitBoutiste(b, 1, 2);
    PetitBoutiste(b, 8, 2);
    for (const std::uint32_t v : {1u, taille, 2835u, 2835u, 256u, 0u}) PetitBoutiste(b, v, 4);
    for (std::uint32_t i = 0; i < 256; ++i) PetitBoutiste(b, i * 0x010101u, 4);
    return b + runs;
}

}  // namespace section::test
