// The reference tables' readers for every test folder: the rows of a CSV file of numbers, its
// header and '#' lines skipped, each row also as its text for the failure messages; and the
// rows of a table of texts as their fields.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
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

// Blank and '#' lines and then the header skipped; each row cut at `separateur` into at most
// `champsMax` fields (the last one takes the rest of the line), an empty last field kept.
inline std::vector<std::vector<std::string>> LitChamps(const char* chemin, char separateur = ',',
                                                       std::size_t champsMax = 1000) {
    std::ifstream fichier(chemin);
    std::vector<std::vector<std::string>> lignes;
    bool entete = true;
    for (std::string ligne; std::getline(fichier, ligne);) {
        if (ligne.empty() || ligne[0] == '#' || std::exchange(entete, false)) continue;
        std::vector<std::string> champs;
        std::size_t debut = 0, fin;
        while (champs.size() + 1 < champsMax &&
               (fin = ligne.find(separateur, debut)) != std::string::npos) {
            champs.push_back(ligne.substr(debut, fin - debut));
            debut = fin + 1;
        }
        champs.push_back(ligne.substr(debut));
        lignes.push_back(std::move(champs));
    }
    return lignes;
}
