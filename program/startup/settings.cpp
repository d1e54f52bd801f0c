#include "program/startup/settings.h"

#include <string>

#include "base/run_time_error.h"
#include "ormane/version.h"

namespace ormane {

std::string LitReglage(platform::SettingsStore& store, CleReglage cle) {
    auto stocke = store.read(kNomExecutable, kSectionReglages, ReglageDe(cle).cle);
    return stocke ? *stocke : std::string(ReglageDe(cle).defaut);
}

std::int16_t LitReglageEntier(platform::SettingsStore& store, CleReglage cle) {
    const Reglage& ligne = ReglageDe(cle);
    const std::int16_t valeur = ConvertitEntierCourt(LitReglage(store, cle));
    return valeur < ligne.min || valeur > ligne.max ? ConvertitEntierCourt(ligne.defaut) : valeur;
}

bool LitReglageDrapeau(platform::SettingsStore& store, CleReglage cle) {
    return LitReglage(store, cle) == "1";
}

void EcritReglage(platform::SettingsStore& store, CleReglage cle, std::string_view valeur) {
    store.write(kNomExecutable, kSectionReglages, ReglageDe(cle).cle, valeur);
}

void EcritReglageEntier(platform::SettingsStore& store, CleReglage cle, std::int16_t valeur) {
    EcritReglage(store, cle, TexteEntierCourt(valeur));
}

void EcritReglageDrapeau(platform::SettingsStore& store, CleReglage cle, bool valeur) {
    EcritReglage(store, cle, std::string_view(valeur ? "1" : "0"));
}

namespace {

bool estBlanc(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::int16_t ConvertitEntierCourt(std::string_view texte) {
    std::size_t debut = 0;
    std::size_t fin = texte.size();
    while (debut < fin && estBlanc(texte[debut])) ++debut;
    while (fin > debut && estBlanc(texte[fin - 1])) --fin;
    std::string_view nombre = texte.substr(debut, fin - debut);

    bool negatif = false;
    if (!nombre.empty() && (nombre.front() == '+' || nombre.front() == '-')) {
        negatif = nombre.front() == '-';
        nombre.remove_prefix(1);
    }
    if (nombre.empty())
        throw ErreurExecution("type mismatch: no digits in \"" + std::string(texte) + "\"");

    // Accumulated with a bound, so that any number of digits stays safe.
    std::int32_t valeur = 0;
    for (char chiffre : nombre) {
        if (chiffre < '0' || chiffre > '9') {
            throw ErreurExecution("type mismatch: \"" + std::string(texte) +
                                  "\" is not a whole number");
        }
        valeur = valeur * 10 + (chiffre - '0');
        if (valeur > 32768) throw ErreurExecution("overflow: \"" + std::string(texte) + "\"");
    }
    if (negatif) valeur = -valeur;
    if (valeur > 32767) throw ErreurExecution("overflow: \"" + std::string(texte) + "\"");
    return static_cast<std::int16_t>(valeur);
}

std::string TexteEntierCourt(std::int16_t valeur) {
    return std::to_string(valeur);
}

}  // namespace ormane
