#include "cli/csv.h"

#include <string>

namespace ormane::cli {

namespace {

constexpr int kEnd = std::char_traits<char>::eof();

bool isLineEnd(int c) {
    return c == '\n' || c == '\r';
}

}  // namespace

CsvReader::CsvReader(std::istream& in) : buffer_(in.rdbuf()) {}

int CsvReader::get() {
    if (!pending_.empty()) {
        const int c = pending_.front();
        pending_.pop_front();
        return c;
    }
    if (buffer_ == nullptr) return kEnd;
    return buffer_->sbumpc();
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
    auto fail = [&](std::string message) {
        if (!record.error) record.error = std::move(message);
    };

    enum class State { FieldStart, Unquoted, Quoted, AfterQuote };
    State state = State::FieldStart;
    for (;; c = get()) {
        if (state == State::Quoted) {
            if (c == kEnd) {
                fail("unterminated quoted field, opened on line " + std::to_string(record.line));
                record.fields.push_back(std::move(field));
                return record;
            }
            if (c == '"') {
                if (peek() == '"') {
                    get();
                    field += '"';
                } else {
                    state = State::AfterQuote;
                }
                continue;
            }
            if (c == '\n' || (c == '\r' && peek() != '\n')) ++line_;
            field += static_cast<char>(c);
            continue;
        }
        if (c == ',') {
            record.fields.push_back(std::move(field));
            field.clear();
            state = State::FieldStart;
            continue;
        }
        if (c == kEnd || isLineEnd(c)) {
            record.fields.push_back(std::move(field));
            if (c != kEnd) finishLineEnd(c);
            return record;
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
                if (c == '"') fail("a quote inside a field that does not start with one");
                break;
            case State::AfterQuote:
                fail("text after the closing quote of a field");
                state = State::Unquoted;
                break;
            case State::Quoted:
                break;
        }
        field += static_cast<char>(c);
    }
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

void writeCsvRecord(std::ostream& out, std::span<const std::string> fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += csvField(fields[i]);
    }
    line += '\n';
    out << line;
}

}  // namespace ormane::cli
