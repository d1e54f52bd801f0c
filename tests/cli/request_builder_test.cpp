// Batch columns build the same requests as the options, with messages in the columns' names.
#include "cli/request_builder.h"

#include <gtest/gtest.h>

namespace ormane::cli {
namespace {

TEST(RequestColumns, EveryColumnNameHasItsField) {
    const std::vector<std::pair<std::string, Field>> table{
        {"df", Field::Df},
        {"t", Field::T},
        {"F", Field::F},
        {"p2", Field::P2},
        {"p1", Field::P1},
        {"c", Field::C},
        {"dfR", Field::DfR},
        {"alpha", Field::Alpha},
        {"alpha_tails", Field::AlphaTails},
        {"gamma", Field::Gamma},
        {"estimate_level", Field::EstimateLevel},
        {"prediction_level", Field::PredictionLevel},
        {"d", Field::D},
        {"raw", Field::Raw}};
    for (const auto& [column, field] : table) {
        EXPECT_EQ(fieldOfColumn(column), field) << column;
        EXPECT_EQ(fieldName(field, Naming::Column), column);
    }
    for (const char* unknown : {"f", "DF", "dfr", "decimals", "lang", "alpha-tails", ""}) {
        EXPECT_FALSE(fieldOfColumn(unknown)) << unknown;
    }
}

TEST(RequestColumns, CAndDfRTogetherMakeAFutureExperiment) {
    RequestBuilder builder(Naming::Column);
    EXPECT_FALSE(builder.set(Field::DfR, "30"));
    EXPECT_FALSE(builder.set(Field::C, "2"));
    const auto request = std::get<Request>(builder.finish());
    ASSERT_TRUE(request.future);
    EXPECT_EQ(request.future->c, "2");
    EXPECT_EQ(request.future->dfR, "30");
}

TEST(RequestColumns, ChoicesMayCarryBlanks) {
    RequestBuilder builder(Naming::Column);
    EXPECT_FALSE(builder.set(Field::AlphaTails, " 1 "));
    EXPECT_EQ(std::get<Request>(builder.finish()).alphaTails, 1);
    EXPECT_EQ(builder.set(Field::Decimals, "ten").value_or(""),
              "--decimals must be a whole number from 2 to 9, not \"ten\"");
}

}  // namespace
}  // namespace ormane::cli
