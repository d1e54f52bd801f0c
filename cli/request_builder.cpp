#include "cli/request_builder.h"

#include <array>
#include <utility>

#include "cli/option_reader.h"
#include "cli/quoting.h"
#include "numeric/number_reading.h"

namespace ormane::cli {

namespace {

struct FieldNames {
    Field field;
    std::string_view option;  // without the leading dashes
    std::string_view column;  // empty: not a CSV column
};

constexpr std::array kNames{
    FieldNames{Field::Df, "df", "df"},
    FieldNames{Field::T, "t", "t"},
    FieldNames{Field::F, "F", "F"},
    FieldNames{Field::P2, "p2", "p2"},
    FieldNames{Field::P1, "p1", "p1"},
    FieldNames{Field::C, "future", "c"},
    FieldNames{Field::DfR, "future", "dfR"},
    FieldNames{Field::Alpha, "alpha", "alpha"},
    FieldNames{Field::AlphaTails, "alpha-tails", "alpha_tails"},
    FieldNames{Field::Gamma, "gamma", "gamma"},
    FieldNames{Field::EstimateLevel, "estimate-level", "estimate_level"},
    FieldNames{Field::PredictionLevel, "prediction-level", "prediction_level"},
    FieldNames{Field::D, "d", "d"},
    FieldNames{Field::Raw, "raw", "raw"},
    FieldNames{Field::Decimals, "decimals", ""},
    FieldNames{Field::Language, "lang", ""},
};

const FieldNames& namesOf(Field field) {
    for (const auto& names : kNames) {
        if (names.field == field) return names;
    }
    return kNames.front();  // unreachable: every field is listed
}

// The fields typed into a number box; the others are choices.
bool isNumber(Field field) {
    switch (field) {
        case Field::AlphaTails:
        case Field::Decimals:
        case Field::Language:
            return false;
        default:
            return true;
    }
}

std::optional<Statistic> statisticOf(Field field) {
    switch (field) {
        case Field::T:
            return Statistic::T;
        case Field::F:
            return Statistic::F;
        case Field::P2:
            return Statistic::TwoTailedP;
        case Field::P1:
            return Statistic::OneTailedP;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string fieldName(Field field, Naming naming) {
    const auto& names = namesOf(field);
    if (naming == Naming::Column && !names.column.empty()) return std::string(names.column);
    return "--" + std::string(names.option);
}

std::optional<Field> fieldOfColumn(std::string_view column) {
    for (const auto& names : kNames) {
        if (!names.column.empty() && names.column == column) return names.field;
    }
    return std::nullopt;
}

std::optional<Field> fieldOfOption(std::string_view option) {
    if (option == "future") return std::nullopt;
    for (const auto& names : kNames) {
        if (names.option == option) return names.field;
    }
    return std::nullopt;
}

std::optional<std::string> RequestBuilder::set(Field field, std::string value) {
    if (given_.contains(field)) return name(field) + " is given twice";
    // The window would read such a text as some other number ("abc" as 0): refused rather
    // than computed for a value nobody typed. A blank keeps its usual meaning.
    if (isNumber(field) && LitEntree(value).lecture == Lecture::Autrement) {
        return name(field) + " " + quotedValue(value) + " is not a number";
    }

    if (const auto statistic = statisticOf(field)) {
        if (statisticField_) {
            return "two statistics given (" + name(*statisticField_) + " and " + name(field) +
                   "): give only one of " + name(Field::T) + ", " + name(Field::F) + ", " +
                   name(Field::P2) + ", " + name(Field::P1);
        }
        statisticField_ = field;
        request_.statistic = EnteredStatistic{*statistic, std::move(value)};
    } else if (field == Field::D || field == Field::Raw) {
        if (effectField_) {
            return "both " + name(Field::D) + " and " + name(Field::Raw) +
                   " given: the observed effect is either standardized (" + name(Field::D) +
                   ") or raw (" + name(Field::Raw) + "), give only one";
        }
        effectField_ = field;
        request_.effect = ObservedEffect{
            field == Field::D ? EffectKind::Standardized : EffectKind::Raw, std::move(value)};
    } else {
        switch (field) {
            case Field::Df:
                request_.df = std::move(value);
                break;
            case Field::C:
                c_ = std::move(value);
                break;
            case Field::DfR:
                dfR_ = std::move(value);
                break;
            case Field::Alpha:
                request_.alpha = std::move(value);
                break;
            case Field::AlphaTails: {
                const auto choice = withoutBlanks(value);
                if (choice != "1" && choice != "2") {
                    return name(field) + " must be 1 or 2, not " + quotedValue(value);
                }
                request_.alphaTails = choice == "1" ? 1 : 2;
                break;
            }
            case Field::Gamma:
                request_.gamma = std::move(value);
                break;
            case Field::EstimateLevel:
                request_.estimateLevel = std::move(value);
                break;
            case Field::PredictionLevel:
                request_.predictionLevel = std::move(value);
                break;
            case Field::Decimals: {
                const auto digits = withoutBlanks(value);
                if (digits.size() != 1 || digits[0] < '2' || digits[0] > '9') {
                    return name(field) + " must be a whole number from 2 to 9, not " +
                           quotedValue(value);
                }
                request_.decimals = static_cast<std::int16_t>(digits[0] - '0');
                break;
            }
            case Field::Language: {
                const auto code = withoutBlanks(value);
                if (code != "en" && code != "fr") {
                    return name(field) + " must be en or fr, not " + quotedValue(value);
                }
                request_.language = code == "en" ? Langue::Anglais : Langue::Francais;
                break;
            }
            default:
                break;  // the statistics and the effect are handled above
        }
    }
    given_.insert(field);
    return std::nullopt;
}

std::variant<Request, std::string> RequestBuilder::finish() const {
    if (c_.has_value() != dfR_.has_value()) {
        const Field present = c_ ? Field::C : Field::DfR;
        const Field missing = c_ ? Field::DfR : Field::C;
        return name(present) + " given without " + name(missing) +
               ": a future experiment needs both";
    }
    Request request = request_;
    if (c_) request.future = FutureExperiment{*c_, *dfR_};
    return request;
}

}  // namespace ormane::cli
