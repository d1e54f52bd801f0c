#include "cli/kprime_report.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "kprime/kprime_text.h"
#include "numeric/number_format.h"

namespace ormane::cli {

namespace {

using Json = nlohmann::ordered_json;

Json number(const std::optional<double>& value) {
    return value && std::isfinite(*value) ? Json(*value) : Json(nullptr);
}

}  // namespace

void writeKprimeText(std::ostream& out, const KprimeCommand& command, const ResultatsKprime& r) {
    const bool francais = EnFrancais(command.language);
    // Text for people: the decimal point whatever the locale, so that output can be read
    // back by other programs too.
    const auto text = [&](const std::optional<double>& v) {
        if (!v) return std::string();
        return command.decimals > 0 ? FormateNombre(*v, command.decimals, ".")
                                    : FormateNombre(*v, kDecimalesKprime, ".");
    };
    const auto line = [&](const std::string& name, const std::optional<double>& v) {
        const std::string shown = text(v);
        out << name << " =" << (shown.empty() ? "" : " " + shown) << '\n';
    };
    line("P(K ≤ x)", r.inferieure);
    line("P(K > x)", r.superieure);
    line("x", r.x);
    line(francais ? "moyenne" : "mean", r.moyenne);
    line(francais ? "médiane" : "median", r.mediane);
    line(francais ? "écart-type" : "standard deviation", r.ecartType);
}

void writeKprimeJson(std::ostream& out, const ResultatsKprime& r, Langue langue) {
    Json whole;
    whole["cdf"] = number(r.inferieure);
    whole["sf"] = number(r.superieure);
    whole["x"] = number(r.x);
    whole["mean"] = number(r.moyenne);
    whole["median"] = number(r.mediane);
    whole["sd"] = number(r.ecartType);
    whole["status"] = TexteEtatKprime(r, langue);
    out << whole.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace ormane::cli
