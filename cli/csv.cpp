#include "cli/csv.h"

#include <exception>
#include <ios>
#include <string>
#include <system_error>

namespace ormane::cli {

namespace {

constexpr int kEnd = std::char_traits<char>::eof();

bool isLineEnd(int c) {
    return c == '\n' || c == '\r';
}

// "Is a directory" rather than the stream's own wording around it.
std::string readFailure(const std::exception& failure) {
    if (const auto* io = dynamic_cast<const std::ios_base::failure*>(&failure)) {
        const std::error_category& category = io->code().category();
        if (category == std::system_category() || category == std::generic_category()) {
            return io->code().message();
        }
    }
    return failure.what();
}

}  // namespace

CsvReader::CsvReader(std::istream& in, std::size_t maxRecordBytes)
    : buffer_(in.rdbuf()), maxRecordBytes_(maxRecordBytes) {}

int CsvReader::get() {
    if (!pending_.empty()) {
        const int c = pending_.front();
        pending_.pop_front();
        return c;
    }
    if (buffer_ == nullptr) return kEnd;
    // A file stream throws its read errors from here: they end the input.
    try {
        return buffer_->sbumpc();
    } catch (const std::exception& failure) {
        readError_ = readFailure(failure);
    } catch (...) {
        readError_ = "read error";
    }
    buffer_ = nullptr;
    return kEnd;
}

int CsvReader::peek() {
    const int c = get();
    if (c != kEnd) unget(c);
    return c;
}

void CsvReader::finishLineEnd(int c) {
    if (c == '\r' && peek() == '\n') get();
    ++line_;
}

std::optional<CsvRecord> CsvReader::next() {
    if (!started_) {
        started_ = true;
        // A byte order mark (EF BB BF) before the header is not part of the first name.
        const int a = get();
        const int b = a == 0xEF ? get() : kEnd;
        const int c = b == 0xBB ? get() : kEnd;
        if (!(a == 0xEF && b == 0xBB && c == 0xBF)) {
            if (c != kEnd) unget(c);
            if (b != kEnd) unget(b);
            if (a != kEnd) unget(a);
        }
    }

    int c = get();
    while (isLineEnd(c)) {  // empty lines hold no record
        finishLineEnd(c);
        c = get();
    }
    if (c == kEnd) return std::nullopt;

    CsvRecord record;
    record.line = line_;
    std::string field;
    std::size_t bytes = 0;
    bool tooLong = false;
    auto fail = [&](std::string message, bool malformed) {
        if (record.error) return;
        record.error = std::move(message);
        record.malformed = malformed;
    };
    auto keeping = [&] {
        return !tooLong && (maxFields_ == 0 || record.fields.size() < maxFields_);
    };
    auto keep = [&](int ch) {
        if (keeping()) field += static_cast<char>(ch);
    };
    auto endField = [&] {
        ++record.fieldCount;
        if (keeping()) record.fields.push_back(std::move(field));
        field.clear();
    };
    // A record cut short by a read error is not a record.
    auto finished = [&]() -> std::optional<CsvRecord> {
        if (readError_) return std::nullopt;
        return std::move(record);
    };

    enum class State { FieldStart, Unquoted, Quoted, AfterQuote };
    State state = State::FieldStart;
    for (;; c = get()) {
        if (c != kEnd && ++bytes > maxRecordBytes_ && !tooLong) {
            fail("the row is longer than " + std::to_string(maxRecordBytes_) + " bytes", false);
            tooLong = true;
            record.fields = {};
            field = {};
        }
        if (state == State::Quoted) {
            if (c == kEnd) {
                fail("unterminated quoted field, opened on line " + std::to_string(record.line),
                     true);
                endField();
                return finished();
            }
            if (c == '"') {
                if (peek() == '"') {
                    get();
                    keep('"');
                } else {
                    state = State::AfterQuote;
                }
                continue;
            }
            if (c == '\n' || (c == '\r' && peek() != '\n')) ++line_;
            keep(c);
            continue;
        }
        if (c == ',') {
            endField();
            state = State::FieldStart;
            continue;
        }
        if (c == kEnd || isLineEnd(c)) {
            endField();
            if (c != kEnd) finishLineEnd(c);
            return finished();
        }
        switch (state) {
            case State::FieldStart:
                if (c == '"') {
                    state = State::Quoted;
                    continue;
                }
                state = State::Unquoted;
                break;
            case State::Unquoted:
                if (c == '"') fail("a quote inside a field that does not start with one", true);
                break;
            case State::AfterQuote:
                fail("text after the closing quote of a field", true);
                state = State::Unquoted;
                break;
            case State::Quoted:
                break;
        }
        keep(c);
    }
}

}  // namespace ormane::cli
