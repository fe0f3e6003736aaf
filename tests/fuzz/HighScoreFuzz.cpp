// Fuzz target: the reader of "VScore.dat" with the decoding of its names
// for display, then a new entry as the list makes it. The input is the
// file; whatever lies past the 160-byte record stands in for the name the
// player types (UTF-8, as the entry line hands it over).
#include "FuzzCheck.h"

#include "Cp1252.h"
#include "HighScore.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr unsigned char Untouched = 0x5A;

// The number of characters when `text` is valid UTF-8 (shortest forms,
// no surrogates, nothing above U+10FFFF); -1 otherwise.
int Utf8Characters(std::string_view text)
{
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80     ? 1
            : lead >= 0xC2 && lead <= 0xDF ? 2
            : lead >= 0xE0 && lead <= 0xEF ? 3
            : lead >= 0xF0 && lead <= 0xF4 ? 4
                                           : 0;
        if (length == 0 || i + length > text.size())
            return -1;
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return -1;
            code = code << 6 | (next & 0x3F);
        }
        const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return -1;
        i += length;
    }
    return characters;
}

// The five bytes Windows-1252 leaves unassigned.
bool Unassigned(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// A total takes the first place whose score it reaches, compared signed.
void CheckPlace(const THighScoreTable& table, std::int32_t score)
{
    const int place = FindPlace(table, score);
    FUZZ_CHECK(place >= 0 && place <= Places);
    const int above = place == 0 ? Places : place - 1;
    for (int p = 1; p <= above; ++p)
        FUZZ_CHECK(table.Scores[p] > score);
    if (place != 0)
        FUZZ_CHECK(table.Scores[place] <= score);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    THighScoreTable table;
    std::memset(&table, Untouched, sizeof table);
    const bool whole = ParseHighScoreTable({data, size}, table);
    const std::size_t read = std::min(size, HighScoreRecordSize);
    FUZZ_CHECK(whole == (size >= HighScoreRecordSize));
    // The bytes read are taken as they are, but for the length of a name
    // the end of a short file cuts off: it counts only the characters read.
    const auto record = RecordBytes(table);
    for (std::size_t i = 0; i < read; ++i) {
        const bool lengthOfCutName = read < HighScoreRecordSize && i < Places * sizeof(TNameSlot)
            && i % sizeof(TNameSlot) == 0;
        if (!lengthOfCutName) {
            FUZZ_CHECK(record[i] == data[i]);
            continue;
        }
        const std::size_t charsRead = std::min<std::size_t>(read - i - 1, NameLength);
        FUZZ_CHECK(record[i] == std::min<std::size_t>(data[i], charsRead));
    }
    FUZZ_CHECK(std::all_of(record.begin() + read, record.end(), [](unsigned char b) { return b == Untouched; }));

    for (int place = 1; place <= Places; ++place) {
        const std::string_view name = NameBytes(table, place);
        FUZZ_CHECK(name.data() == table.Names[place].Chars);
        FUZZ_CHECK(name.size() == std::min<std::size_t>(table.Names[place].Length, NameLength));
        // Each byte shows as one character; the assigned ones come back as
        // the same bytes when stored again.
        const std::string text = NameText(table, place);
        FUZZ_CHECK(Utf8Characters(text) == static_cast<int>(name.size()));
        if (std::none_of(name.begin(), name.end(), Unassigned))
            FUZZ_CHECK(Cp1252FromUtf8(text) == std::string(name));
        CheckPlace(table, table.Scores[place]);
        CheckPlace(table, table.Scores[place] == INT_MIN ? INT_MIN : table.Scores[place] - 1);
    }
    CheckPlace(table, INT_MIN);
    CheckPlace(table, INT_MAX);

    // The typed name: what the entry line lets through is stored in the
    // code page and shows again exactly as typed.
    const std::string_view typed(reinterpret_cast<const char*>(data) + read, size - read);
    const std::optional<std::string> stored = Cp1252FromUtf8(typed);
    FUZZ_CHECK(stored.has_value() == FitsCp1252(typed));
    if (!stored)
        return 0;
    FUZZ_CHECK(Utf8FromCp1252(*stored) == typed);

    const int place = 1 + static_cast<int>(size % Places);
    const THighScoreTable before = table;
    InsertEntry(table, place, 42, INT_MIN + static_cast<std::int32_t>(size));
    SetNameBytes(table, place, *stored);
    FUZZ_CHECK(NameBytes(table, place) == std::string_view(*stored).substr(0, NameLength));
    for (int p = place + 1; p <= Places; ++p) {
        FUZZ_CHECK(NameBytes(table, p) == NameBytes(before, p - 1));
        FUZZ_CHECK(table.Scores[p] == before.Scores[p - 1]);
    }
    // What is written reads back as the same list.
    THighScoreTable reread;
    FUZZ_CHECK(ParseHighScoreTable(RecordBytes(table), reread));
    FUZZ_CHECK(std::memcmp(&reread, &table, sizeof table) == 0);
    return 0;
}
