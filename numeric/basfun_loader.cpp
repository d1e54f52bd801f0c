#include "basfun_loader.h"

#include <dlfcn.h>

#include <atomic>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "base/run_time_error.h"
#include "special_functions.h"

namespace ormane {
namespace {

constexpr const char* kNomFichier = "libbasfun.so";

// Several computations may run at once (one per batch worker): the entry point, once
// loaded, is read without a lock; loading, unloading and the path are under the mutex.
struct BibliothequeChargee {
    std::mutex verrou;
    void* poignee = nullptr;
    std::atomic<basfun_fn> pointEntree = nullptr;
};

BibliothequeChargee& Bibliotheque() {
    static BibliothequeChargee bibliotheque;
    return bibliotheque;
}

std::optional<std::string>& CheminImpose() {
    static std::optional<std::string> chemin;
    return chemin;
}

// Beside the running program first, then the installed layout, then the system's search.
std::vector<std::string> CheminsCandidats() {
    if (CheminImpose()) return {*CheminImpose()};
    std::vector<std::string> chemins;
    std::error_code erreur;
    const std::filesystem::path programme = std::filesystem::read_symlink("/proc/self/exe", erreur);
    if (!erreur) {
        const std::filesystem::path dossier = programme.parent_path();
        chemins.push_back((dossier / kNomFichier).string());
        chemins.push_back((dossier / ".." / "lib" / "ormane" / kNomFichier).string());
    }
    chemins.emplace_back(kNomFichier);
    return chemins;
}

// Under the mutex.
void Decharge(BibliothequeChargee& bibliotheque) {
    bibliotheque.pointEntree.store(nullptr, std::memory_order_release);
    if (bibliotheque.poignee != nullptr) dlclose(bibliotheque.poignee);
    bibliotheque.poignee = nullptr;
}

}  // namespace

basfun_fn PointEntreeBasfun() {
    BibliothequeChargee& bibliotheque = Bibliotheque();
    if (const basfun_fn chargee = bibliotheque.pointEntree.load(std::memory_order_acquire))
        return chargee;
    const std::lock_guard<std::mutex> garde(bibliotheque.verrou);
    if (const basfun_fn chargee = bibliotheque.pointEntree.load(std::memory_order_relaxed))
        return chargee;
    for (const std::string& chemin : CheminsCandidats()) {
        void* poignee = dlopen(chemin.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (poignee == nullptr) continue;
        void* symbole = dlsym(poignee, "basfun");
        if (symbole == nullptr) {
            dlclose(poignee);
            continue;
        }
        bibliotheque.poignee = poignee;
        // POSIX guarantees that a function's address survives the round trip through void*.
        const auto pointEntree = reinterpret_cast<basfun_fn>(symbole);
        bibliotheque.pointEntree.store(pointEntree, std::memory_order_release);
        return pointEntree;
    }
    throw ErreurExecution("libbasfun cannot be found");
}

bool BasfunDisponible() {
    try {
        PointEntreeBasfun();
        return true;
    } catch (const ErreurExecution&) {
        return false;
    }
}

void DefinitCheminBasfunPourTests(std::optional<std::string> chemin) {
    BibliothequeChargee& bibliotheque = Bibliotheque();
    const std::lock_guard<std::mutex> garde(bibliotheque.verrou);
    Decharge(bibliotheque);
    CheminImpose() = std::move(chemin);
}

}  // namespace ormane
