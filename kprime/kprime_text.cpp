#include "kprime/kprime_text.h"

#include <array>
#include <string_view>

#include "numeric/kprime_moments.h"
#include "numeric/number_format.h"

namespace ormane {

namespace {

struct NomLecteur {
    std::string_view controle;
    std::int16_t index;
    const char* francais;
    const char* anglais;
};

constexpr std::array kNomsLecteurs{
    NomLecteur{"Textedl", 1, "dl1", "df1"},
    NomLecteur{"Textedl", 2, "dl2", "df2"},
    NomLecteur{"TexteNC", 0, "non-centralité lambda", "noncentrality lambda"},
    NomLecteur{"TexteLimite", 0, "limite x", "limit x"},
    NomLecteur{"TexteProbabilite", 0, "probabilité p", "probability p"},
    NomLecteur{"EtiQueue", 1, "P(K ≤ x)", "P(K ≤ x)"},
    NomLecteur{"EtiQueue", 2, "P(K > x)", "P(K > x)"},
    NomLecteur{"EtiQuantile", 0, "x pour P(K ≤ x) = p", "x for P(K ≤ x) = p"},
    NomLecteur{"EtiMoment", 1, "moyenne", "mean"},
    NomLecteur{"EtiMoment", 2, "médiane", "median"},
    NomLecteur{"EtiMoment", 3, "écart-type", "standard deviation"},
    NomLecteur{"EtiListe", 0, "liste", "list"},
    NomLecteur{"EtiEtat", 0, "état", "status"},
};

std::string Optionnel(const std::optional<double>& v) {
    return v ? TexteValeurKprime(*v) : std::string("–");
}

}  // namespace

std::string TexteValeurKprime(double valeur) {
    if (DdlInfini(valeur)) return "∞";
    return FormateNombre(valeur, kDecimalesKprime);
}

std::string TexteEtatKprime(const ResultatsKprime& r, Langue langue) {
    const bool francais = EnFrancais(langue);
    switch (r.etat) {
        case EtatKprime::Calcule:
            break;
        case EtatKprime::Nu1Invalide:
            return francais ? "entrez dl1, un nombre positif, ou cochez sa case infini"
                            : "enter df1, a positive number, or tick its infinity box";
        case EtatKprime::Nu2Invalide:
            return francais ? "entrez dl2, un nombre positif, ou cochez sa case infini"
                            : "enter df2, a positive number, or tick its infinity box";
        case EtatKprime::ProbabiliteHorsLimites:
            return francais ? "p doit être strictement compris entre 0 et 1"
                            : "p must lie strictly between 0 and 1";
        case EtatKprime::BibliothequeAbsente:
            return francais ? "libbasfun ne peut pas être chargée : aucun résultat"
                            : "libbasfun cannot be loaded: no result can be computed";
    }
    if (!r.echecNumerique) return {};
    // The result named as the main window's status line names one.
    using enum ResultatsKprime::Manquant;
    switch (r.premierManquant) {
        case X:
            return francais ? "x ne peut pas être calculé avec précision pour ces entrées"
                            : "x cannot be computed accurately for these entries";
        case Queues:
            return francais ? "P(K ≤ x) ne peut pas être calculé avec précision pour ces entrées"
                            : "P(K ≤ x) cannot be computed accurately for these entries";
        case Moyenne:
            return francais ? "la moyenne ne peut pas être calculée avec précision pour ces entrées"
                            : "the mean cannot be computed accurately for these entries";
        case Mediane:
            return francais ? "la médiane ne peut pas être calculée avec précision pour ces entrées"
                            : "the median cannot be computed accurately for these entries";
        case EcartType:
            return francais
                       ? "l'écart-type ne peut pas être calculé avec précision pour ces entrées"
                       : "the standard deviation cannot be computed accurately for these entries";
        case Aucun:
            break;
    }
    return francais ? "un résultat ne peut pas être calculé avec précision pour ces entrées"
                    : "a result cannot be computed accurately for these entries";
}

std::string TexteAttenteKprime(FeuilleKprime::Attente attente, Langue langue) {
    const bool francais = EnFrancais(langue);
    switch (attente) {
        case FeuilleKprime::Attente::Aucune:
            return {};
        case FeuilleKprime::Attente::NonCentraliteVide:
            return francais ? "entrez la non-centralité" : "enter the noncentrality";
        case FeuilleKprime::Attente::LimiteVide:
            return francais ? "entrez une limite x" : "enter a limit x";
        case FeuilleKprime::Attente::ProbabiliteVide:
            return francais ? "entrez une probabilité p" : "enter a probability p";
        case FeuilleKprime::Attente::BoutonCalculer:
            return francais ? "appuyez sur Calculer pour calculer ces entrées"
                            : "press Compute to compute these entries";
    }
    return {};
}

std::string TexteListeCopiee(Langue langue) {
    const bool francais = EnFrancais(langue);
    return francais ? "la liste a été copiée dans le presse-papier"
                    : "the list has been copied to the clipboard";
}

std::string TexteListeVide(Langue langue) {
    const bool francais = EnFrancais(langue);
    return francais ? "la liste est vide : Ajouter y met la ligne calculée"
                    : "the list is empty: Add puts the computed line in it";
}

std::string NomPourLecteurKprime(const std::string& nom, std::int16_t index, Langue langue) {
    const bool francais = EnFrancais(langue);
    for (const NomLecteur& n : kNomsLecteurs) {
        if (n.controle == nom && n.index == index) return francais ? n.francais : n.anglais;
    }
    return {};
}

std::string LigneKprime(const EntreesKprime& e, const ResultatsKprime& r, Langue langue) {
    const bool francais = EnFrancais(langue);
    const std::string sep = "   ";
    std::string ligne = (francais ? "dl1 = " : "df1 = ") + TexteValeurKprime(e.nu1) + sep +
                        (francais ? "dl2 = " : "df2 = ") + TexteValeurKprime(e.nu2) + sep +
                        "λ = " + TexteValeurKprime(e.lambda) + sep;
    if (e.mode == ModeKprime::Probabilite) ligne += "p = " + TexteValeurKprime(e.valeur) + sep;
    ligne += "x = " + Optionnel(r.x) + sep;
    ligne += "P(K ≤ x) = " + Optionnel(r.inferieure) + sep;
    ligne += "P(K > x) = " + Optionnel(r.superieure) + sep;
    ligne += (francais ? "moyenne = " : "mean = ") + Optionnel(r.moyenne) + sep;
    ligne += (francais ? "médiane = " : "median = ") + Optionnel(r.mediane) + sep;
    ligne += (francais ? "écart-type = " : "sd = ") + Optionnel(r.ecartType);
    return ligne;
}

}  // namespace ormane
