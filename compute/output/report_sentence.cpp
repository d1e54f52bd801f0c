#include "compute/output/report_sentence.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

#include "compute/entry_names.h"
#include "compute/results_table.h"
#include "numeric/portable_chars.h"
#include "reading/read_entry.h"
#include "window/model/controls.h"

namespace ormane {

namespace {

constexpr int kDecimalesStatistique = 2;  // t, F and effect sizes
constexpr const char* kMoins = "\u2212";  // a minus sign, not a hyphen
constexpr const char* kInsecable = "\u00A0";

// How numbers and lists are written in one language.
struct Conventions {
    Langue langue;
    bool francais() const { return EnFrancais(langue); }
    char virgule() const { return francais() ? ',' : '.'; }
    // Before ":" and ";" French puts a no-break space.
    std::string deuxPoints() const { return francais() ? std::string(kInsecable) + ": " : ": "; }
    std::string separateur() const { return francais() ? std::string(kInsecable) + "; " : ", "; }
    std::string pourcent(const std::string& nombre) const {
        return francais() ? nombre + kInsecable + "%" : nombre + "%";
    }
};

// The digits of `valeur` with `decimales` decimals, "." as the point, "-" kept.
std::string Chiffres(double valeur, int decimales) {
    char tampon[400];
    const auto fin =
        EcritDouble(tampon, tampon + sizeof tampon, valeur, std::chars_format::fixed, decimales);
    return std::string(tampon, fin.ptr);
}

// Written in the language's conventions: its decimal symbol, a true minus sign, no minus
// before a value that rounds to zero, and (for a probability in English) no zero before
// the point.
std::string EnLangue(std::string chiffres, const Conventions& langue, bool probabilite) {
    bool negatif = !chiffres.empty() && chiffres.front() == '-';
    if (negatif) chiffres.erase(0, 1);
    if (chiffres.find_first_not_of("0.") == std::string::npos) negatif = false;
    if (probabilite && !langue.francais() && chiffres.starts_with("0.")) chiffres.erase(0, 1);
    for (char& c : chiffres) {
        if (c == '.') c = langue.virgule();
    }
    return negatif ? kMoins + chiffres : chiffres;
}

std::string Fixe(double valeur, int decimales, const Conventions& langue,
                 bool probabilite = false) {
    return EnLangue(Chiffres(valeur, decimales), langue, probabilite);
}

// As few decimals as the value needs (at most six, at least `auMoins`): 9, 17.5, 0.05.
std::string Court(double valeur, const Conventions& langue, bool probabilite = false,
                  int auMoins = 0) {
    std::string chiffres = Chiffres(valeur, 6);
    const auto point = chiffres.find('.');
    std::size_t fin = chiffres.find_last_not_of('0') + 1;
    if (fin == point + 1) fin = point;  // no decimal left: no point either
    chiffres.erase(fin);
    if (auMoins > 0) {
        if (chiffres.find('.') == std::string::npos) chiffres += '.';
        const std::size_t decimales = chiffres.size() - chiffres.find('.') - 1;
        if (decimales < static_cast<std::size_t>(auMoins))
            chiffres.append(static_cast<std::size_t>(auMoins) - decimales, '0');
    }
    return EnLangue(chiffres, langue, probabilite);
}

// The value `valeur` reads as once written with `decimales` decimals.
double Arrondi(double valeur, int decimales) {
    const std::string chiffres = Chiffres(valeur, decimales);
    double lu = 0;
    LitDouble(chiffres.data(), chiffres.data() + chiffres.size(), lu);
    return lu;
}

// An observed p: two decimals from .10 up, three below, "< .001" below .001.
std::string ValeurP(double p, const Conventions& langue) {
    if (p < 0.001) return "< " + Fixe(0.001, 3, langue, true);
    return "= " + Fixe(p, Arrondi(p, 2) >= 0.1 ? 2 : 3, langue, true);
}

// A number too small for the decimals shown, as a researcher writes it: two significant
// digits times a power of ten, "4.2 × 10⁻⁶".
std::string Scientifique(double valeur, const Conventions& langue) {
    char tampon[64];
    const auto fin =
        EcritDouble(tampon, tampon + sizeof tampon, valeur, std::chars_format::scientific, 1);
    const std::string chiffres(tampon, fin.ptr);
    const auto e = chiffres.find('e');
    int exposant = 0;
    std::from_chars(chiffres.data() + e + 1 + (chiffres[e + 1] == '+'),
                    chiffres.data() + chiffres.size(), exposant);
    static constexpr const char* kExposants[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string puissance;
    for (const char c : std::to_string(std::abs(exposant))) puissance += kExposants[c - '0'];
    if (exposant < 0) puissance = "⁻" + puissance;
    return EnLangue(chiffres.substr(0, e), langue, false) + " × 10" + puissance;
}

// A probability with `decimales` decimals; one that would read as 0 or 1 there is written as
// below or above the nearest value that can be written ("< .001", "> .999"). With its sign:
// "= .954", "< .001".
std::string ValeurProbabilite(double p, int decimales, const Conventions& langue) {
    const double plusPetite = std::pow(10.0, -decimales);
    if (Arrondi(p, decimales) <= 0 && p > 0) {
        return "< " + Fixe(plusPetite, decimales, langue, true);
    }
    if (Arrondi(p, decimales) >= 1 && p < 1) {
        return "> " + Fixe(1 - plusPetite, decimales, langue, true);
    }
    return "= " + Fixe(p, decimales, langue, true);
}

std::string Intervalle(const ValeurConservee& v, int decimales, const Conventions& langue,
                       bool probabilite) {
    const std::string separateur = langue.francais() ? std::string(kInsecable) + "; " : ", ";
    // A probability limit that the decimals would show as 0 keeps its own size.
    auto limite = [&](double x) {
        if (probabilite && x > 0 && Arrondi(x, decimales) <= 0) return Scientifique(x, langue);
        return Fixe(x, decimales, langue, probabilite);
    };
    return "[" + limite(v.bas) + separateur + limite(v.haut) + "]";
}

// The observed result: "t(9) = 1.10, two-tailed p = .30".
std::string Observe(const ElementsRapport& e, const Conventions& langue) {
    const std::string df = Court(e.df, langue);
    const std::string t = "t(" + df + ") = " + Fixe(e.t, kDecimalesStatistique, langue);
    const std::string liste = langue.separateur();
    if (langue.francais()) {
        switch (e.statistique) {
            case Statistique::F:
                return "F(1" + std::string(kInsecable) + "; " + df +
                       ") = " + Fixe(e.F, kDecimalesStatistique, langue) + liste + "p " +
                       ValeurP(e.p2, langue);
            case Statistique::PUnilateral:
                return t + liste + "p unilatéral " + ValeurP(e.p1, langue);
            default:
                return t + liste + "p bilatéral " + ValeurP(e.p2, langue);
        }
    }
    switch (e.statistique) {
        case Statistique::F:
            return "F(1, " + df + ") = " + Fixe(e.F, kDecimalesStatistique, langue) + liste + "p " +
                   ValeurP(e.p2, langue);
        case Statistique::PUnilateral:
            return t + liste + "one-tailed p " + ValeurP(e.p1, langue);
        default:
            return t + liste + "two-tailed p " + ValeurP(e.p2, langue);
    }
}

// "for a future experiment with cell counts multiplied by 2 (df = 30)".
std::string Future(const ElementsRapport::ExperienceFuture& f, const Conventions& langue) {
    if (langue.francais()) {
        return "pour une expérience future aux effectifs multipliés par " + Court(f.c, langue) +
               " (dl = " + Court(f.dfR, langue) + ")";
    }
    return "for a future experiment with cell counts multiplied by " + Court(f.c, langue) +
           " (df = " + Court(f.dfR, langue) + ")";
}

// What a result is called in the sentence, its value included.
std::string Element(Resultat resultat, const ValeurConservee& v, const ElementsRapport& e,
                    const Conventions& langue) {
    const bool fr = langue.francais();
    const int n = e.nbDecimales;
    const std::string futur = e.future ? (fr ? "de l'expérience future" : "the future experiment's")
                                       : (fr ? "de la réplique" : "the replication's");
    const std::string effet = e.effetBrut ? (fr ? "l'effet brut" : "the raw effect") : "d";
    const std::string prediction =
        fr ? "intervalle de prédiction à " + langue.pourcent(Court(e.garantiePrediction, langue))
           : langue.pourcent(Court(e.garantiePrediction, langue)) + " prediction interval of ";
    switch (resultat) {
        case Resultat::Prep:
            return "prep " + ValeurProbabilite(v.bas, n, langue);
        case Resultat::Psrep: {
            const std::string alpha = Court(e.alpha, langue, true, 2);
            if (fr) {
                return "psrep (α = " + alpha + (e.alphaBilateral ? " bilatéral" : " unilatéral") +
                       ") " + ValeurProbabilite(v.bas, n, langue);
            }
            return "psrep (α = " + alpha + (e.alphaBilateral ? ", two-tailed" : ", one-tailed") +
                   ") " + ValeurProbabilite(v.bas, n, langue);
        }
        case Resultat::Ppreprep:
            return "ppreprep (γ = " + Court(e.gamma, langue, true, 2) + ") " +
                   ValeurProbabilite(v.bas, n, langue);
        case Resultat::tReplique:
            return (fr ? prediction + " du t " + futur : prediction + futur + " t") + " " +
                   Intervalle(v, kDecimalesStatistique, langue, false);
        case Resultat::pReplique:
            return (fr ? prediction + " du p unilatéral " + futur
                       : prediction + futur + " one-tailed p") +
                   " " + Intervalle(v, n, langue, true);
        case Resultat::Effet: {
            const std::string niveau = langue.pourcent(Court(e.garantieEstimation, langue));
            const std::string nom = fr ? "intervalle d'estimation à " + niveau + " de " + effet
                                       : niveau + " interval estimate of " + effet;
            return nom + " " + Intervalle(v, kDecimalesStatistique, langue, false);
        }
        case Resultat::EffetReplique: {
            const std::string nom =
                fr ? prediction + (e.effetBrut ? " de l'effet brut " : " du d ") + futur
                   : prediction + futur + (e.effetBrut ? " raw effect" : " d");
            return nom + " " + Intervalle(v, kDecimalesStatistique, langue, false);
        }
        default:
            break;
    }
    // A result with no wording of its own reads as its name and its value.
    const std::string nom = NomResultat(resultat, langue.langue);
    if (LigneDe(resultat).intervalle()) return nom + " " + Intervalle(v, n, langue, false);
    return nom + " = " + Fixe(v.bas, n, langue);
}

}  // namespace

std::string PhraseRapport(const ElementsRapport& e) {
    const Conventions langue{e.langue};
    std::string phrase = Observe(e, langue);
    // The future experiment is a clause of its own, after the observed result's commas.
    if (e.future)
        phrase += (langue.francais() ? langue.separateur() : "; ") + Future(*e.future, langue);
    std::vector<std::string> elements;
    for (const LigneResultat& ligne : TableResultats()) {
        const auto& valeur = e.resultats[static_cast<std::size_t>(ligne.resultat)];
        if (valeur) elements.push_back(Element(ligne.resultat, *valeur, e, langue));
    }
    for (std::size_t i = 0; i < elements.size(); ++i) {
        phrase += i == 0 ? langue.deuxPoints() : langue.separateur();
        phrase += elements[i];
    }
    return phrase;
}

std::optional<ElementsRapport> LitElementsRapport(window::FeuilleOrmane& F,
                                                  const EtatModule& module) {
    if (module.resultats.etat != EtatCalcul::Calcule) return std::nullopt;
    ElementsRapport e;
    e.langue = module.LangueChoisie;
    e.nbDecimales = module.NbDecimales;
    e.statistique = module.ChoixStatistique;
    e.df = LitValeur(F.textBox("Textedf"));
    e.t = LitValeur(F.textBox("Textet", 1));
    e.F = LitValeur(F.textBox("Textet", 2));
    e.p2 = LitValeur(F.textBox("Textet", 3));
    e.p1 = LitValeur(F.textBox("Textet", 4));
    if (F.optionButton("OptionReplique", 1).value() != Faux) {
        e.future = ElementsRapport::ExperienceFuture{LitValeur(F.textBox("Textec")),
                                                     LitValeur(F.textBox("TextedfR"))};
    }
    e.alpha = LitValeur(F.comboBox("Textealpha"));
    e.alphaBilateral = F.optionButton("OptionAlpha", 0).value() != Faux;
    e.gamma = LitValeur(F.comboBox("TexteGamma"));
    e.garantieEstimation = LitValeur(F.comboBox("TexteGarantie", 0));
    e.garantiePrediction = LitValeur(F.comboBox("TexteGarantie", 1));
    e.effetBrut = F.optionButton("OptionEffet", 1).value() != Faux;
    // A result the person chose not to see is not reported either.
    for (const LigneResultat& ligne : TableResultats()) {
        const auto& valeur = module.resultats[ligne.resultat];
        if (valeur && EtiquetteDe(F, ligne.nom).effectivelyVisible()) {
            e.resultats[static_cast<std::size_t>(ligne.resultat)] = *valeur;
        }
    }
    return e;
}

std::string PhraseRapport(window::FeuilleOrmane& F, const EtatModule& module) {
    const auto elements = LitElementsRapport(F, module);
    return elements ? PhraseRapport(*elements) : std::string();
}

}  // namespace ormane
