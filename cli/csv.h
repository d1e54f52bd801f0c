// CSV as RFC 4180 writes it, read record by record from a stream so that a long batch
// flows through: quoted fields (with doubled quotes, commas and line breaks inside), CRLF
// or LF line ends, a last line without a line end, and a UTF-8 byte order mark at the
// start. A malformed record is returned with an error and reading goes on after it.
#pragma once

#include <cstddef>
#include <deque>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ormane::cli {

struct CsvRecord {
    std::vector<std::string> fields;
    std::size_t line = 0;              // the line it starts on, from 1
    std::optional<std::string> error;  // what is malformed; the fields are then partial
};

class CsvReader {
  public:
    explicit CsvReader(std::istream& in);

    // The next record, nullopt at the end of the input. Empty lines are skipped.
    std::optional<CsvRecord> next();

  private:
    int get();
    int peek();
    void unget(int c) { pending_.push_front(c); }
    // After a line end character `c` just read: consumes the LF of a CRLF.
    void finishLineEnd(int c);

    std::streambuf* buffer_;
    std::deque<int> pending_;
    std::size_t line_ = 1;
    bool started_ = false;
};

// The field as it must appear in a CSV file: quoted (quotes doubled) when it holds a
// comma, a quote or a line break, as it is otherwise.
std::string csvField(std::string_view text);
// One record and its LF line end.
void writeCsvRecord(std::ostream& out, std::span<const std::string> fields);

}  // namespace ormane::cli
