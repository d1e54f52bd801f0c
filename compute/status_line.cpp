#include "compute/status_line.h"

#include <string>

#include "compute/entry_names.h"
#include "compute/results_table.h"
#include "reading/read_as.h"
#include "window/model/controls.h"

namespace ormane {

namespace {

std::string NomStatistique(Statistique choix, Langue langue) {
    const bool francais = EnFrancais(langue);
    for (const TexteBilingue& nom : NomsEntrees()) {
        if (std::string_view(nom.controle) == "Textet" && nom.index == IndexDe(choix))
            return francais ? nom.francais : nom.anglais;
    }
    return "t";
}

// A p above its range is read as its largest value; a one-tailed p above 0.5 often means an
// effect against the direction expected, which is a negative t.
std::string TextePPlafonne(std::int16_t boite, Langue langue) {
    const bool francais = EnFrancais(langue);
    if (boite == 4) {
        return francais ? "un p unilatéral au-dessus de 0,5 est lu comme 0,5 : un effet de sens "
                          "contraire à celui attendu s'entre comme un t négatif"
                        : "a one-tailed p above 0.5 is read as 0.5: an effect against the "
                          "expected direction is entered as a negative t";
    }
    return francais ? "un p bilatéral au-dessus de 1 est lu comme 1"
                    : "a two-tailed p above 1 is read as 1";
}

}  // namespace

std::string TexteEtatCalcul(EtatCalcul etat, Statistique choix, Langue langue) {
    const bool francais = EnFrancais(langue);
    switch (etat) {
        case EtatCalcul::Calcule:
            return {};
        case EtatCalcul::StatistiqueVide:
            return (francais ? "entrez une valeur pour " : "enter a value for ") +
                   NomStatistique(choix, langue);
        case EtatCalcul::DdlVide:
            return francais ? "entrez les degrés de liberté" : "enter the degrees of freedom";
        case EtatCalcul::FutureIncomplete:
            return francais ? "entrez c et les degrés de liberté de l'expérience future"
                            : "enter c and the degrees of freedom of the future experiment";
        case EtatCalcul::DdlFuturVide:
            return francais ? "entrez les degrés de liberté de l'expérience future"
                            : "enter the degrees of freedom of the future experiment";
        case EtatCalcul::TTropGrand:
            return francais ? "t est trop grand pour être calculé" : "t is too large to compute";
        case EtatCalcul::TIndisponible:
            return francais ? "t ne peut pas être calculé pour ce p et ces degrés de liberté"
                            : "t cannot be computed for this p and these degrees of freedom";
        case EtatCalcul::PNul:
            return francais ? "un p de 0 donne un t infini : aucun résultat"
                            : "a p of 0 gives an infinite t: no result";
        case EtatCalcul::BibliothequeAbsente:
            return francais ? "libbasfun ne peut pas être chargée : aucun résultat"
                            : "libbasfun cannot be loaded: no result can be computed";
        case EtatCalcul::AttenteCalcul:
            return francais ? "appuyez sur Calculer pour calculer ces entrées"
                            : "press Compute to compute these entries";
    }
    return {};
}

std::string TexteRaison(Resultat resultat, Raison raison, Langue langue) {
    const bool francais = EnFrancais(langue);
    const std::string nom = NomResultat(resultat, langue);
    switch (raison) {
        case Raison::Aucune:
            return {};
        case Raison::AlphaNul:
            return francais ? "entrez alpha pour calculer psrep" : "enter alpha to compute psrep";
        case Raison::GammaNul:
            return francais ? "entrez gamma pour calculer ppreprep"
                            : "enter gamma to compute ppreprep";
        case Raison::GarantieHorsLimites:
            return francais
                       ? nom + " : le niveau de probabilité doit être compris entre 50 et 100 %"
                       : nom + ": the probability level must lie between 50 and 100 %";
        case Raison::GarantieTotale:
            return francais ? nom + " : à 100 % l'intervalle contient toutes les valeurs possibles"
                            : nom + ": at 100 % the interval holds every possible value";
        case Raison::GarantieEffetMoitie:
            return francais ? nom + " : le niveau de probabilité doit dépasser 50 %"
                            : nom + ": the probability level must lie above 50 %";
        case Raison::PSousLesDoubles:
            return francais ? nom +
                                  " : ses limites sont plus petites que le plus petit nombre "
                                  "représentable (environ 5e-324)"
                            : nom +
                                  ": its limits lie below the smallest number a double holds "
                                  "(about 5e-324)";
        case Raison::EffetAbsent:
            return francais ? nom + " : entrez le d observé ou l'effet brut observé"
                            : nom + ": enter the observed d or raw effect";
        case Raison::TNul:
            return francais ? nom + " : pas d'intervalle pour t = 0"
                            : nom + ": there is no interval for t = 0";
        case Raison::EchecNumerique:
            return francais ? nom + " ne peut pas être calculé avec précision pour ces entrées"
                            : nom + " cannot be computed accurately for these entries";
    }
    return {};
}

void AfficheEtat(window::FeuilleOrmane& F, const EtatModule& M) {
    const bool francais = EnFrancais(M.LangueChoisie);
    std::string etat = TexteEtatCalcul(M.resultats.etat, M.ChoixStatistique, M.LangueChoisie);
    if (etat.empty() && M.resultats.pPlafonne)
        etat = TextePPlafonne(*M.resultats.pPlafonne, M.LangueChoisie);

    for (const TexteBilingue& nom : NomsEntrees()) {
        window::TextControl& boite = EntreeDe(F, nom);
        const std::optional<double> lu = LuAutrement(boite, boite.name() == "Textedf");
        MarqueLecture(boite, lu, M.LangueChoisie);
        if (lu && etat.empty() && boite.effectivelyVisible()) {
            etat = PhraseLuAutrement(francais ? nom.francais : nom.anglais, boite.text(), *lu,
                                     M.LangueChoisie);
        }
    }

    if (etat.empty() && M.resultats.etat == EtatCalcul::Calcule) {
        for (const LigneResultat& ligne : TableResultats()) {
            if (!etat.empty()) break;
            if (!EtiquetteDe(F, ligne.nom).effectivelyVisible()) continue;
            etat = TexteRaison(ligne.resultat, M.resultats.raison(ligne.resultat), M.LangueChoisie);
        }
    }
    F.label("EtiEtat").setCaption(etat);
}

}  // namespace ormane
