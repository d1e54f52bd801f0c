// CSV as RFC 4180 writes it, read record by record from a stream so that a long batch
// flows through: quoted fields (with doubled quotes, commas and line breaks inside), CRLF
// or LF line ends, a last line without a line end, and a UTF-8 byte order mark at the
// start. A malformed record is returned with an error and reading goes on after it.
// Memory stays bounded whatever the input: a record longer than the byte limit is skipped
// to its end without being kept, and fields past the field limit are counted, not kept.
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

#include "compute/output/csv_record.h"

namespace ormane::cli {

struct CsvRecord {
    std::vector<std::string> fields;   // at most the reader's field limit
    std::size_t fieldCount = 0;        // all the fields of the record, kept or not
    std::size_t line = 0;              // the line it starts on, from 1
    std::optional<std::string> error;  // what is wrong; the fields are then partial
    bool malformed = false;            // the error is bad CSV rather than a record too long
};

class CsvReader {
  public:
    static constexpr std::size_t kDefaultMaxRecordBytes = 64 * 1024;

    explicit CsvReader(std::istream& in, std::size_t maxRecordBytes = kDefaultMaxRecordBytes);

    // The next record, nullopt at the end of the input or after a read error. Empty lines
    // are skipped.
    std::optional<CsvRecord> next();
    // Fields past this many are counted but not kept (0: no limit).
    void limitFields(std::size_t maxFields) { maxFields_ = maxFields; }
    // Why the input could not be read, once it could not ("Is a directory").
    const std::optional<std::string>& readError() const { return readError_; }

  private:
    int get();
    int peek();
    void unget(int c) { pending_.push_front(c); }
    // After a line end character `c` just read: consumes the LF of a CRLF.
    void finishLineEnd(int c);

    std::streambuf* buffer_;
    std::deque<int> pending_;
    std::size_t maxRecordBytes_;
    std::size_t maxFields_ = 0;
    std::optional<std::string> readError_;
    std::size_t line_ = 1;
    bool started_ = false;
};

}  // namespace ormane::cli
