#include "document_generator.h"

#include "bench_random.h"
#include "grid/io/csv_field_codec.h"
#include "tasks/task_table.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace tkm::bench {

namespace {

constexpr std::uint64_t Seed = 20261208;
constexpr std::size_t FlushSize = std::size_t(1) << 20;

constexpr std::array<std::string_view, 40> Words{
    "write",   "the",      "quarterly", "report",  "for",     "board",   "meeting", "buy",   "paper",    "toner",
    "call",    "plumber",  "about",     "kitchen", "tap",     "review",  "chapter", "draft", "send",     "invoice",
    "to",      "client",   "update",    "website", "prepare", "slides",  "team",    "book",  "flights",  "hotel",
    "check",   "backups",  "on",        "server",  "renew",   "licence", "plan",    "sprint", "and",     "budget"};
constexpr std::array<std::string_view, 8> People{"Ann Smith", "Bob Jones", "Carla", "D. Novak",
                                                 "Erik",      "Fatima",    "Greg",  "Helen Park"};
constexpr std::array<std::string_view, 8> Remarks{"follow up next week", "waiting for the quote",
                                                  "see the mail of Monday", "ask about the deadline",
                                                  "needs the signed form", "parts ordered",
                                                  "moved from the old list", "low on budget"};

// Weights in percent, in vocabulary order.
constexpr std::array<int, 6> StatusWeights{25, 25, 10, 30, 5, 5};
constexpr std::array<int, 5> PriorityWeights{5, 20, 45, 20, 10};

template <std::size_t N>
std::size_t Weighted(TBenchRandom& random, const std::array<int, N>& weights) {
    int roll = random.Between(0, 99);
    for (std::size_t i = 0; i < N; ++i) {
        if (roll < weights[i]) return i;
        roll -= weights[i];
    }
    return N - 1;
}

class TEntryWriter {
public:
    TEntryWriter(const TDate& today, const TLocaleFormats& formats)
        : today_(today.DayNumber()), formats_(formats), random_(Seed) {}

    void Header(std::string& out) {
        for (std::size_t c = 0; c < TaskTable::Headers.size(); ++c) Field(TaskTable::Headers[c], c == 0, out);
        out += "\r\n";
    }

    void Entry(int number, std::string& out) {
        const std::size_t status = Weighted(random_, StatusWeights);
        const std::string_view statusText = TaskTable::StatusVocabulary[status];
        const long long entered = today_ - random_.Between(0, 400);
        const bool completed = statusText == "Completed";
        const int progress = completed ? 100 : status == 0 ? 0 : random_.Between(1, 19) * 5;

        Field(std::to_string(number), true, out);
        Field(Date(entered), false, out);
        Field(statusText, false, out);
        Field(Description(), false, out);
        Field(TaskTable::PriorityVocabulary[Weighted(random_, PriorityWeights)], false, out);
        Field(Date(entered + random_.Between(0, 90)), false, out);
        Field(Time(), false, out);
        Field(random_.Percent(50) ? std::string() : Resources(), false, out);
        Field(Number(random_.Between(0, 400) / 10.0, 1), false, out);
        Field(Number(random_.Between(0, 200000) / 100.0, 2), false, out);
        Field(std::to_string(progress), false, out);
        Field(Date(completed ? entered + random_.Between(0, 60) : entered), false, out);
        Field(Time(), false, out);
        Field(random_.Percent(50) ? std::string() : Comment(), false, out, CsvField::TPlace::Last);
        out += "\r\n";
    }

private:
    static void Field(std::string_view text, bool first, std::string& out,
                      CsvField::TPlace place = CsvField::TPlace::Inner) {
        if (!first) out += ',';
        CsvField::Append(text, ',', true, place, out);
    }

    std::string Date(long long day) const {
        return FormatDate(TDate::FromDayNumber(day), formats_.ShortDateFormat, formats_);
    }
    std::string Time() {
        const TTimeOfDay time{random_.Between(7, 19), random_.Between(0, 59), random_.Between(0, 59)};
        return FormatTime(time, formats_.LongTimeFormat, formats_);
    }
    static std::string Number(double value, int decimals) {
        char text[32];
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        return text;
    }
    std::string_view Word() { return Words[random_.Next() % Words.size()]; }

    // Short descriptions are more common than long ones.
    std::string Description() {
        const std::size_t length = std::size_t(std::min(random_.Between(10, 120), random_.Between(10, 120)));
        const bool quoted = random_.Percent(4);
        const bool comma = random_.Percent(12);
        std::string text(Word());
        text[0] = char(text[0] - 'a' + 'A');
        while (text.size() < length) {
            text += comma && text.size() > length / 2 && text.find(',') == std::string::npos ? ", " : " ";
            if (quoted && text.find('"') == std::string::npos) text += '"' + std::string(Word()) + '"';
            else text += Word();
        }
        text.resize(length);
        if (text.back() == ' ') text.back() = '.';
        return text;
    }
    std::string Resources() {
        std::string text(People[random_.Next() % People.size()]);
        for (int more = random_.Between(0, 2); more > 0; --more) {
            text += random_.Percent(50) ? ", " : " and ";
            text += People[random_.Next() % People.size()];
        }
        return text;
    }
    std::string Comment() {
        std::string text(Remarks[random_.Next() % Remarks.size()]);
        if (random_.Percent(10)) text = "said \"" + text + "\"";
        if (random_.Percent(3)) {
            text += "\r\n";
            text += Remarks[random_.Next() % Remarks.size()];
        }
        return text;
    }

    long long today_;
    const TLocaleFormats& formats_;
    TBenchRandom random_;
};

struct TFileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

std::uint64_t GenerateDocument(const std::string& fileName, int entries, const TDate& today,
                               const TLocaleFormats& formats) {
    std::unique_ptr<std::FILE, TFileCloser> file(std::fopen(fileName.c_str(), "wb"));
    if (!file) throw std::runtime_error("cannot create " + fileName);
    std::uint64_t size = 0;
    std::string block;
    block.reserve(FlushSize + 4096);
    auto flush = [&] {
        if (std::fwrite(block.data(), 1, block.size(), file.get()) != block.size())
            throw std::runtime_error("cannot write " + fileName);
        size += block.size();
        block.clear();
    };
    TEntryWriter writer(today, formats);
    writer.Header(block);
    for (int number = 1; number <= entries; ++number) {
        writer.Entry(number, block);
        if (block.size() >= FlushSize) flush();
    }
    flush();
    if (std::fflush(file.get()) != 0) throw std::runtime_error("cannot write " + fileName);
    return size;
}

std::string CachedDocument(int entries, const TDate& today, const TLocaleFormats& formats, bool& generated) {
    namespace fs = std::filesystem;
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    const fs::path folder = (cache && *cache ? fs::path(cache) : fs::path(home && *home ? home : "/tmp") / ".cache") /
                            "taskmere-bench";
    // Raise the generation whenever the generator writes other bytes, so no old file is reused.
    constexpr int Generation = 1;
    const fs::path file = folder / ("entries-" + std::to_string(entries) + "-" + FormatDate(today, "yyyymmdd", formats) +
                                    "-g" + std::to_string(Generation) + ".tkm");
    generated = !fs::exists(file);
    if (generated) {
        fs::create_directories(folder);
        // Renamed into place only when whole: a run stopped halfway leaves no short document behind.
        const fs::path part = file.string() + ".part";
        GenerateDocument(part.string(), entries, today, formats);
        fs::rename(part, file);
    }
    return file.string();
}

}  // namespace tkm::bench
