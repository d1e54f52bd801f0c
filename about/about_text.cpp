#include "about/about_text.h"

#include <array>

#include "ormane/version.h"

namespace ormane {

namespace {

// The authors' block credits the contributors as a group; "*" and "**" tie each part
// of the authors' line to its line below.
struct BlocAuteurs {
    const char* auteurs;
    const char* groupe;
    const char* affiliation1;
    const char* affiliation2;
};

constexpr BlocAuteurs kAuteursAnglais{"The Ormane contributors*, with the authors of its help**",
                                      "The Ormane project",
                                      "* the program, its numeric library and its window",
                                      "** the help topics and their worked examples"};
constexpr BlocAuteurs kAuteursFrancais{
    "Les contributeurs d'Ormane*, avec les auteurs de son aide**", "Le projet Ormane",
    "* le programme, sa bibliothèque numérique et sa fenêtre",
    "** les rubriques d'aide et leurs exemples"};

constexpr const char* kConditionsAnglais =
    "Ormane is free software under the MIT licence: use, copy, modify and share it freely, "
    "without warranty.";
constexpr const char* kConditionsFrancais =
    "Ormane est un logiciel libre sous licence MIT : utilisez-le, copiez-le, modifiez-le et "
    "partagez-le librement, sans garantie.";

}  // namespace

std::string TitreEtVersion() {
    return std::string(kTitreApplication) + " version " + std::to_string(kVersionMajeure) + "." +
           std::to_string(kVersionMineure) + "." + std::to_string(kVersionRevision);
}

std::string TexteApropos(Langue langue, const std::string& RetourLigne) {
    const bool anglais = !EnFrancais(langue);
    const std::string& RL = RetourLigne;
    std::array<std::string, 11> slot;  // slots 1 to 10; index 0 unused
    slot[1] = RL + TitreEtVersion() + RL;
    const BlocAuteurs& bloc = anglais ? kAuteursAnglais : kAuteursFrancais;
    slot[3] = std::string(bloc.auteurs) + RL;
    slot[4] = std::string(bloc.groupe) + RL + RL + bloc.affiliation1 + RL;
    slot[5] = std::string(bloc.affiliation2) + RL;
    slot[6] = anglais ? kConditionsAnglais : "";
    slot[7] = anglais ? "" : kConditionsFrancais;

    std::string texte = slot[1];
    for (std::size_t i = 2; i <= 10; ++i) texte += RL + slot[i];
    return texte;
}

}  // namespace ormane
