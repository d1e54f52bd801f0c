#include "reading/read_as.h"

#include <cmath>
#include <string>
#include <unordered_map>

#include "numeric/number_format.h"
#include "numeric/number_reading.h"
#include "reading/read_entry.h"

namespace ormane {

namespace {

// Entry texts are quoted in the status line up to this many bytes.
constexpr std::size_t kLongueurCitation = 24;

// How each text reads, kept: every refresh marks every entry, and a refresh runs on every
// change of an entry, while the texts seldom change. The reading depends on the text alone;
// one memory per thread, since computations may run in several threads at once.
const EntreeLue& LectureRetenue(const std::string& texte) {
    constexpr std::size_t kTextesRetenus = 256;
    thread_local std::unordered_map<std::string, EntreeLue> retenues;
    if (const auto trouvee = retenues.find(texte); trouvee != retenues.end())
        return trouvee->second;
    if (retenues.size() >= kTextesRetenus) retenues.clear();
    return retenues.emplace(texte, LitEntree(texte)).first->second;
}

std::string Cite(const std::string& texte) {
    if (texte.size() <= kLongueurCitation) return texte;
    std::size_t fin = kLongueurCitation;
    // Never cut inside a UTF-8 character.
    while (fin > 0 && (static_cast<unsigned char>(texte[fin]) & 0xC0) == 0x80) --fin;
    return texte.substr(0, fin) + "…";
}

std::string TexteLu(double lu) {
    return FormateNombre(lu, -16);
}

}  // namespace

std::optional<double> LuAutrement(const window::TextControl& boite, bool degresDeLiberte) {
    const EntreeLue& lue = LectureRetenue(boite.text());
    if (degresDeLiberte && lue.lecture != Lecture::Vide && lue.valeur < 0) {
        return std::fabs(lue.valeur);
    }
    if (lue.lecture == Lecture::Autrement) return lue.valeur;
    return std::nullopt;
}

void MarqueLecture(window::TextControl& boite, std::optional<double> lu, Langue langue) {
    boite.setMarked(lu.has_value());
    boite.setToolTip(lu ? (EnFrancais(langue) ? "lu comme " : "read as ") + TexteLu(*lu) : "");
}

std::string PhraseLuAutrement(const std::string& nom, const std::string& texte, double lu,
                              Langue langue) {
    return EnFrancais(langue) ? nom + " « " + Cite(texte) + " » est lu comme " + TexteLu(lu)
                              : nom + " \"" + Cite(texte) + "\" is read as " + TexteLu(lu);
}

double LitDegresDeLiberte(window::TextBox& boite) {
    const double lu = LitValeur(boite);
    if (lu < 0 && !boite.hasFocus()) {
        boite.setText(FormateNombre(std::fabs(lu), kDecimalesCorrection));
    }
    return std::fabs(lu);
}

}  // namespace ormane
