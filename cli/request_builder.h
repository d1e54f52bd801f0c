// Builds a Request from named values, the way the command line names them: the options of
// `ormane compute` ("--alpha-tails") and the columns of `ormane batch` ("alpha_tails") are
// the same fields. Malformed values and conflicting fields (two statistics, both kinds of
// effect, c without dfR) are refused with a message that uses the user's own names.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>

#include "cli/request.h"

namespace ormane::cli {

enum class Field {
    Df,
    T,
    F,
    P2,
    P1,
    C,
    DfR,
    Alpha,
    AlphaTails,
    Gamma,
    EstimateLevel,
    PredictionLevel,
    D,
    Raw,
    Decimals,
    Language
};

// How fields are named in messages: as options ("--df") or as CSV columns ("df").
enum class Naming { Option, Column };

std::string fieldName(Field field, Naming naming);
// The field of a CSV column name (exact, case-sensitive), nullopt when there is none. The
// command-line-only fields (decimals, lang) have no column.
std::optional<Field> fieldOfColumn(std::string_view column);
// The field of an option written without its dashes ("alpha-tails"); --future is not one
// field (it sets c and dfR) and has none.
std::optional<Field> fieldOfOption(std::string_view option);

class RequestBuilder {
  public:
    explicit RequestBuilder(Naming naming) : naming_(naming) {}

    // Records one value. Returns the error message when the value is malformed, the field
    // was already given, or it conflicts with a field given before.
    std::optional<std::string> set(Field field, std::string value);
    // The request, or the error message when c and dfR do not come together.
    std::variant<Request, std::string> finish() const;

  private:
    std::string name(Field field) const { return fieldName(field, naming_); }

    Naming naming_;
    Request request_;
    std::set<Field> given_;
    std::optional<Field> statisticField_;
    std::optional<Field> effectField_;
    std::optional<std::string> c_;
    std::optional<std::string> dfR_;
};

}  // namespace ormane::cli
