// `ormane batch`: one computation per CSV row, in the window's calculator, and the rows
// back as CSV with the results appended. Rows are independent: each is a full request on
// a calculator that forgets the previous row (see Calculator). A bad row gets a message
// in the error column and the others go on.
#pragma once

#include <istream>
#include <ostream>

namespace ormane::cli {

// The exit status: 0 when every row was computed, 1 when a row failed or the input has no
// usable header row (said on `err`).
int runBatch(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace ormane::cli
