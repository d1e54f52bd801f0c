// The reference tables' reader for every test folder: the rows of a CSV file of numbers, its
// header and '#' lines skipped; each row also as its text, for the failure messages.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct LigneCsv {
    std::string texte;
    std::vector<long double> valeurs;
};

inline std::vector<LigneCsv> LitCsv(const char* chemin) {
    std::ifstream fichier(chemin);
    std::vector<LigneCsv> lignes;
    std::string ligne;
    std::getline(fichier, ligne);  // header
    while (std::getline(fichier, ligne)) {
        if (ligne.starts_with('#')) continue;
        std::istringstream champs(ligne);
        LigneCsv l{ligne, {}};
        for (std::string champ; std::getline(champs, champ, ',');)
            l.valeurs.push_back(std::stold(champ));
        if (!l.valeurs.empty()) lignes.push_back(std::move(l));
    }
    return lignes;
}
