// Arbitrary bytes as a batch's CSV input, read as batch reads it: the header first, then
// every row limited to the header's fields. No record keeps more than the byte limit or
// the field limit, every field is counted, and a well-formed record written back reads
// back the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/csv.h"

namespace {

// Small, so that the fuzzer reaches the limit with short inputs.
constexpr std::size_t kMaxRecordBytes = 64;

void Exige(bool condition) {
    if (!condition) std::abort();
}

void ExigeRelu(const ormane::cli::CsvRecord& record) {
    // One empty field writes an empty line, and a leading byte order mark is dropped: neither
    // reads back as written.
    if (record.fields.size() == 1 && record.fields.front().empty()) return;
    if (record.fields.front().starts_with("\xEF\xBB\xBF")) return;
    std::istringstream in(ormane::csvRecord(record.fields));
    ormane::cli::CsvReader reader(in, std::string::npos);
    const auto relu = reader.next();
    Exige(relu && !relu->error && relu->fields == record.fields);
    Exige(!reader.next());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(donnees), taille));
    ormane::cli::CsvReader reader(in, kMaxRecordBytes);
    std::size_t champs = 0;
    bool entete = true;
    while (const auto record = reader.next()) {
        Exige(record->fieldCount >= 1);
        const std::size_t gardes =
            champs == 0 ? record->fieldCount : std::min(record->fieldCount, champs);
        Exige(record->error || record->fields.size() == gardes);
        std::size_t octets = 0;
        for (const std::string& champ : record->fields) octets += champ.size();
        Exige(octets <= kMaxRecordBytes);
        if (!record->error && record->fields.size() == record->fieldCount) ExigeRelu(*record);
        if (entete) {
            champs = record->fieldCount;
            reader.limitFields(champs);
            entete = false;
        }
    }
    Exige(!reader.readError());
    return 0;
}
