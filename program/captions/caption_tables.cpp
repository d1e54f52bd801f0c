#include "program/captions/caption_tables.h"

#include <array>

namespace ormane {

namespace {

const std::array kLegendesParLangue = {
    TexteBilingue{"BoutonCalculer", kSeul, "&Calculer", "&Compute"},
    TexteBilingue{"BoutonQuitter", kSeul, "&Quitter", "e&Xit"},
    TexteBilingue{"boutonOK", kSeul, "co&Pie prep dans le presse-papier",
                  "co&Py prep to clipboard"},
    // The menu-bar commands that repeat a button take a key of their own: a key two
    // controls share presses neither.
    TexteBilingue{"MenuOK", kSeul, "c&opie prep dans le presse-papier", "c&opy prep to clipboard"},
    TexteBilingue{"MenuQuitter", kSeul, "Q&uitter", "exi&t"},
    TexteBilingue{"BoutonKprime", kSeul, "Distri&bution K-prime", "K-prime &Distribution"},
    TexteBilingue{"OptionReplique", 0, "&Réplique", "&Replication"},
    TexteBilingue{"OptionReplique", 1, "expérience &Future avec effectifs multipliés par",
                  "&Future experiment with cell counts multiplied by"},
    TexteBilingue{"OptionAlpha", 0, "bilatéral", "two-tailed"},
    TexteBilingue{"OptionAlpha", 1, "unilatéral", "one-tailed"},
    TexteBilingue{"Optiont", 3, "p bilatéral", "two-tailed p"},
    TexteBilingue{"Optiont", 4, "p unilatéral", "one-tailed p"},
    TexteBilingue{"Etidf", 0, "degrés de liberté", "degrees of freedom"},
    TexteBilingue{"Etidf", 1, "et degrés de liberté =", "and degrees of freedom ="},
    TexteBilingue{"CadreDonnees", kSeul, " Données ", " Data "},
    TexteBilingue{"MenuGraphique", kSeul, "&Graphique", "&Graph"},
    TexteBilingue{"MenuImage", kSeul, "&Afficher l'image", "&Show the picture"},
    TexteBilingue{"MenuEchelle", 0, "échelle du &t", "&t scale"},
    TexteBilingue{"MenuEchelle", 1, "échelle de l'&effet", "&Effect-size scale"},
    TexteBilingue{"MenuExporteImage", kSeul, "E&xporter l'image...", "E&xport the picture..."},
    TexteBilingue{"MenuLanguage", kSeul, "&Langue", "&Language"},
    TexteBilingue{"MenuAide", kSeul, "&Aide", "&Help"},
    TexteBilingue{"MenuAide1", 1, "&Contexte et références", "&Background and references"},
    TexteBilingue{"MenuAide1", 2, "&Utilisation", "&Use"},
    TexteBilingue{"MenuAide2", kSeul, "&Bibliographie", "b&Ibliography"},
    TexteBilingue{"MenuAide3", kSeul, "Ormane sur &Internet", "Ormane on the &Web"},
    TexteBilingue{"MenuAuteurs", kSeul, "au&Teurs", "au&Thors"},
    TexteBilingue{"MenuApropos", kSeul, "À &propos d'Ormane", "&About Ormane"},
    TexteBilingue{"MenuPlanifier", kSeul, "plan&Ifier une réplique...", "Plan a replicatio&n..."},
    TexteBilingue{"MenuKprime", kSeul, "Distribution &K-prime", "&K-prime Distribution"},
    TexteBilingue{"MenuResultats", kSeul, "Résul&tats", "R&esults"},
    TexteBilingue{"MenuCopierResultats", kSeul, "&Copier les résultats", "&Copy results"},
    TexteBilingue{"MenuEnregistrerResultats", kSeul, "&Enregistrer les résultats...",
                  "&Save results..."},
    TexteBilingue{"MenuCopierRapport", kSeul, "Copier le &rapport", "Copy the &report"},
    TexteBilingue{"OptionEffet", 0, "&Standardisé (d)", "&Standardized (d)"},
    TexteBilingue{"OptionEffet", 1, "&Non standardisé (effet brut)",
                  "&Unstandardized (raw effect)"},
    TexteBilingue{"CadreEffet", kSeul, " effet observé ", " observed effect size "},
    TexteBilingue{"OptionIC", 0, "inter&Valles d'estimation", "inter&Val estimates"},
    TexteBilingue{"OptionIC", 1, "intervalles &de prédiction ", "Prediction &intervals"},
    TexteBilingue{"CaseAutomatique", kSeul, "calcul auto&Matique", "auto&Matic computation"},
    TexteBilingue{"EtiL", 1, "Linf", "Llow"},
    TexteBilingue{"EtiL", 2, "Lsup", "Lupp"},
};

// The psrep and ppreprep stems carry their check box's access key.
const std::array kRadicauxEtMots = {
    TexteBilingue{"EtiRepliqued", kSeul,
                  "prep = probabilité de trouver un effet de même signe dans une ",
                  "prep = probability of finding a same-sign effect in a "},
    TexteBilingue{"CasePsrep", kSeul,
                  "psrep = probabilité de trouver un effet de même signe et significatif au "
                  "seuil alp&ha dans une ",
                  "psrep = probability of finding a same-sign and significant at the &alpha "
                  "level effect in a "},
    TexteBilingue{"CasePreprep", kSeul,
                  "ppreprep = probabilité de trouver un &effet de même signe avec prep > gamma "
                  "dans une ",
                  "ppreprep = probability of finding a same-sign effect &with prep > gamma in a "},
    TexteBilingue{"CadreIntervalle", 0, " t de Student/p unilatéral dans ",
                  " Student t/one-tailed p in a "},
    TexteBilingue{"CadreIntervalle", 1, " effet dans ", " effect size in a "},
    TexteBilingue{"CadreIntervalle", 2, " limites de confiance dans ", " confidence limits in a "},
    TexteBilingue{"OptionReplique", 0, "réplique", "replication"},
    TexteBilingue{"OptionReplique", 1, "expérience future", "future experiment"},
};

// Etialpha and EtiGamma are drawn in a symbol font, where "a" and "g" read alpha, gamma.
const std::array kLegendesFixes = {
    TexteFixe{"Optiont", 1, "t"},           TexteFixe{"Optiont", 2, "F(1, ν)"},
    TexteFixe{"EtiGamma", kSeul, "g"},      TexteFixe{"Etialpha", kSeul, "a"},
    TexteFixe{"MenuLangue", 0, "&English"}, TexteFixe{"MenuLangue", 1, "&Français"},
    TexteFixe{"MenuHelp", kSeul, "&?"},
};

}  // namespace

std::span<const TexteBilingue> LegendesParLangue() {
    return kLegendesParLangue;
}

std::span<const TexteBilingue> RadicauxEtMots() {
    return kRadicauxEtMots;
}

std::span<const TexteFixe> LegendesFixes() {
    return kLegendesFixes;
}

}  // namespace ormane
