// Captions in plain words: the access-key markers and the capitals they bring inside words
// are gone, the caption's own capitals and proper names stay.
#include "window/model/plain_caption.h"

#include <gtest/gtest.h>

#include "csv_numbers.h"

namespace {

TEST(PlainCaption, ReadsEachCaptionOfTheTableInPlainWords) {
    const auto rows = LitChamps(PLAIN_CAPTIONS_TSV, '\t');
    ASSERT_GT(rows.size(), 15U);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 2U) << row.front();
        EXPECT_EQ(ormane::window::plainCaption(row[0]), row[1]) << row[0];
    }
}

}  // namespace
