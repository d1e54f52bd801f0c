// `ormane batch`: one computation per CSV row, in the window's calculator, and the rows
// back as CSV with the results appended. Rows are independent: each is a full request on
// a calculator that forgets the previous row (see Calculator), so `jobs` workers, each with
// its own hidden window, compute them at once; the rows still go out in input order, each
// as soon as it and the rows before it are done, and the output is the same whatever the
// number of workers. A bad row, or one whose computation failed, gets a message in the
// error column and the others go on.
#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace ormane::cli {

// `source` names the input in messages ("rows.csv", "the standard input"). The exit status:
// 0 when every row was computed; 1 when a row failed, or (said on `err`, and the batch
// stops there) the input has no usable header row, cannot be read, or the output cannot be
// written.
// `jobs`: the number of workers (0 counts as 1).
int runBatch(std::istream& in, const std::string& source, std::ostream& out, std::ostream& err,
             unsigned jobs = 1);

}  // namespace ormane::cli
