#include "grid/io/csv_field_codec.h"
#include "grid/io/csv_test_grids.h"
#include "tasks/task_table.h"

#include <gtest/gtest.h>

#include <random>

namespace tkm {
namespace {

using test::CsvText;
using test::GridOf;
using test::Loaded;
using test::RowsOf;
using test::TRows;

std::string RoundTrip(const std::string& text) {
    return Loaded(CsvText(GridOf({{"No", "Entry Date"}, {text, text}}))).GetCellText(0, 1);
}

TEST(CsvEscaping, TextsTheLineRulesCannotCarry) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"say \"hi\"", "say \"hi\""},  // plain readers take it as it stands
        {"\"", "\"\"\"\""},
        {"\"\"", "\"\"\"\"\"\""},
        {"a\"", "a\""},
        {"\"a", "\"\"\"a\""},  // a plain reader would take it for a quoted field
        {"\"a,b\"", "\"\"\"a,b\"\"\""},
        {"line1\r\nline2", "\"line1\nline2\""},  // plain readers restore the CR LF
        {"cr\ronly", "\"cr\"\\ronly\""},
        {"lf\nonly", "\"lf\"\\nonly\""},
        {"stop\x1Ahere", "\"stop\"\\zhere\""},
        {"\r\n", "\"\n\""},
        {"\n\r", "\"\"\\n\"\\r\""},
        {"\"\\n", "\"\"\"\\n\""},
    };
    for (const auto& [text, field] : cases) {
        EXPECT_EQ(CsvText(GridOf({{text, "x"}})), field + ",x\r\n") << text;
        EXPECT_EQ(RoundTrip(text), text) << field;
    }
}

// The writer looks at eight bytes at a time: a byte that needs quoting must
// be found at every place of texts of every length around that.
TEST(CsvEscaping, ABytePutInQuotesIsFoundWhereverItStands) {
    for (std::size_t length = 1; length <= 25; ++length) {
        const std::string plain(length, 'a');
        std::string field;
        CsvField::Append(plain, ',', true, CsvField::TPlace::Last, field);
        EXPECT_EQ(field, plain);
        for (std::size_t at = 0; at < length; ++at) {
            for (const char special : {'"', '\r', '\n', '\x1A', ','}) {
                std::string text = plain;
                text[at] = special;
                field.clear();
                CsvField::Append(text, ',', true, CsvField::TPlace::Last, field);
                // A quote inside the last field stays as it is, one at either end would be dropped.
                const bool plain = special == '"' && at > 0 && at + 1 < length;
                ASSERT_EQ(field.front() == '"', !plain) << length << " bytes, byte " << int(special) << " at " << at;
                EXPECT_EQ(RoundTrip(text), text);
            }
        }
    }
}

TEST(CsvEscaping, BackslashesAndBlanksStayAsTheyAre) {
    const std::vector<std::string> texts{"C:\\new\\file", "a,\\r",           "  padded  ",
                                         "\\",            "\xff\xfe\x80 bytes", std::string("nul\0in", 6)};
    for (const std::string& text : texts) {
        EXPECT_EQ(RoundTrip(text), text);
        if (text.find(',') == std::string::npos) {
            EXPECT_EQ(CsvText(GridOf({{text}})), text + "\r\n");
        }
    }
}

std::string RandomText(std::mt19937& random) {
    // Bytes that matter to the format, often; any byte now and then.
    static const std::string Alphabet = "\",\r\n\x1A\\rnz ;#\t|a\xff";
    std::string text(random() % 7, ' ');
    for (char& c : text) c = random() % 8 == 0 ? char(random() % 256) : Alphabet[random() % Alphabet.size()];
    return text;
}

TEST(CsvEscaping, EveryTextSurvivesWriteAndRead) {
    std::mt19937 random(20240607);
    for (int round = 0; round < 300; ++round) {
        const std::size_t width = 1 + random() % TaskColumnCount;
        TRows rows{std::vector<std::string>(TaskTable::Headers.begin(), TaskTable::Headers.begin() + long(width))};
        for (std::size_t r = 1 + random() % 4; r > 0; --r) {
            rows.emplace_back();
            for (std::size_t c = 0; c < width; ++c) rows.back().push_back(RandomText(random));
        }
        TCsvSettings settings;
        settings.QuoteEmptyFields = round % 5 != 0;
        const std::string text = CsvText(GridOf(rows), settings);
        ASSERT_EQ(RowsOf(Loaded(text)), rows) << text;
        EXPECT_EQ(text.find('\x1A'), std::string::npos);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), long(rows.size()));
    }
}

// The form every plain writer of this format produces for texts without
// quotes and line breaks; ours must agree with it byte for byte, both ways.
std::string PlainField(const std::string& text) {
    if (text.empty()) return "\"\"";
    return text.find(',') == std::string::npos ? text : "\"" + text + "\"";
}

TEST(CsvEscaping, PlainTextsKeepThePlainFormBothWays) {
    std::mt19937 random(7);
    static const std::string Alphabet = ",; #\t|ab\\\xe9";
    TRows rows{std::vector<std::string>(TaskTable::Headers.begin(), TaskTable::Headers.end())};
    std::string expected;
    for (int r = 0; r < 200; ++r) {
        if (r > 0) rows.emplace_back();
        for (int c = 0; c < TaskColumnCount; ++c) {
            if (r > 0) {
                std::string text(random() % 5, ' ');
                for (char& ch : text) ch = Alphabet[random() % Alphabet.size()];
                rows.back().push_back(text);
            }
            expected += (c ? "," : "") + PlainField(rows.back()[std::size_t(c)]);
        }
        expected += "\r\n";
    }
    EXPECT_EQ(CsvText(GridOf(rows)), expected);
    EXPECT_EQ(RowsOf(Loaded(expected)), rows);
    EXPECT_EQ(CsvText(Loaded(expected)), expected);
}

// A reader and a writer that follow the format's plain rules to the letter,
// as other programs do: no escapes, quotes changed only as those rules say.
std::string ReducedQuotes(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != '"' || i == 0 || text[i - 1] != '"') out += text[i];
    return out;
}

std::size_t FirstLoneQuote(const std::string& s) {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == '"' && (i + 1 == s.size() || (s[i + 1] != '"' && (i == 0 || s[i - 1] != '"')))) return i;
    return std::string::npos;
}

std::vector<std::string> PlainReaderFields(std::string s) {
    std::vector<std::string> fields;
    for (std::size_t p = s.find(','); p != std::string::npos; p = s.find(',')) {
        std::string field;
        if (s[0] == '"') {
            s.erase(0, 1);
            if (const std::size_t q = FirstLoneQuote(s); q != std::string::npos) {
                field = ReducedQuotes(s.substr(0, q));
                s.erase(0, q + 1);
            }
            p = s.find(',');
        } else {
            field = s.substr(0, p);
        }
        fields.push_back(field);
        if (p == std::string::npos) break;
        s.erase(0, p + 1);
    }
    if (!s.empty()) {
        if (s.front() == '"') s.erase(0, 1);
        if (!s.empty() && s.back() == '"') s.pop_back();
        fields.push_back(ReducedQuotes(s));
    }
    return fields;
}

std::string PlainWriterLine(const std::vector<std::string>& row) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c)
        line += (c ? "," : "") + (row[c].empty() ? "\"\"" : row[c].find(',') == std::string::npos ? row[c] : "\"" + row[c] + "\"");
    return line + "\r\n";
}

// Cells with quotes are written as other programs write them wherever those
// programs read them back unchanged; this reader reads both forms.
TEST(CsvEscaping, QuotesOtherProgramsReadBackAreWrittenTheirWay) {
    const std::vector<std::string> description{"7", "Call \"Bob\"", "High", "5\" disk"};
    EXPECT_EQ(CsvText(GridOf({description})), "7,Call \"Bob\",High,5\" disk\r\n");
    EXPECT_EQ(RowsOf(Loaded("7,\"Call \"\"Bob\"\"\",High,\"5\"\" disk\"\r\n")), (TRows{description}));

    std::mt19937 random(11);
    static const std::string Alphabet = "\"\",a ";
    int plainRows = 0;
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::string> row(3);
        for (std::string& text : row) {
            text.assign(random() % 6, ' ');
            for (char& c : text) c = Alphabet[random() % Alphabet.size()];
        }
        const std::string plain = PlainWriterLine(row);
        const std::string written = CsvText(GridOf({row}));
        EXPECT_EQ(RowsOf(Loaded(written)), (TRows{row})) << written;
        // Taskmere reads both forms: a plain form it would misread is no choice.
        if (PlainReaderFields(plain.substr(0, plain.size() - 2)) != row || RowsOf(Loaded(plain)) != TRows{row})
            continue;
        ++plainRows;
        EXPECT_EQ(written, plain);
    }
    EXPECT_GT(plainRows, 150);
}

}  // namespace
}  // namespace tkm
