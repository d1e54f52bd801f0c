#include "basfun_loader.h"

#include <dlfcn.h>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "erreur_execution.h"
#include "special_functions.h"

namespace ormane {
namespace {

constexpr const char* kNomFichier = "libbasfun.so";

struct BibliothequeChargee {
    void* poignee = nullptr;
    basfun_fn pointEntree = nullptr;
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

void Decharge() {
    BibliothequeChargee& bibliotheque = Bibliotheque();
    if (bibliotheque.poignee != nullptr) dlclose(bibliotheque.poignee);
    bibliotheque = {};
}

}  // namespace

basfun_fn PointEntreeBasfun() {
    BibliothequeChargee& bibliotheque = Bibliotheque();
    if (bibliotheque.pointEntree != nullptr) return bibliotheque.pointEntree;
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
        bibliotheque.pointEntree = reinterpret_cast<basfun_fn>(symbole);
        return bibliotheque.pointEntree;
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
    Decharge();
    CheminImpose() = std::move(chemin);
}

}  // namespace ormane
