#include "settings/print_settings_file.h"

#include "base/errors.h"
#include "settings/ini_file.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

namespace tkm {

namespace {

constexpr std::string_view LineBreak = "\\n";
// A hand-edited file may hold any number; lengths past a metre and font sizes
// past a thousand points fit no page, and would overflow the print layout.
constexpr int MaxLength = 10000;
constexpr int MaxPointSize = 1000;

// Every stored field in the order the file lists them, with the value a
// missing key reads as. The writer and the reader walk the same list.
template <typename TSettings, typename TVisitor>
void VisitFields(TSettings& s, TVisitor& v) {
    v.Length("ColumnSpacing", s.ColumnSpacing, 20);
    v.Length("RowSpacing", s.RowSpacing, 20);
    v.Length("TitleSpacing", s.TitleSpacing, 20);
    v.Length("FixedHeight", s.FixedHeight, 0);
    v.Length("FixedWidth", s.FixedWidth, 0);
    v.Flag("Centered", s.Centered, true);
    v.Flag("NoAutoSize", s.NoAutoSize, false);
    v.Flag("UseFixedHeight", s.UseFixedHeight, false);
    v.Flag("UseFixedWidth", s.UseFixedWidth, false);
    v.Flag("RepeatFixedRows", s.RepeatFixedRows, false);
    v.Flag("RepeatFixedCols", s.RepeatFixedCols, false);
    v.Ordinal("Borders", s.Borders, pbCustom);
    v.Ordinal("BorderStyle", s.BorderStyle, psInsideFrame);
    v.Position("Date", s.Date);
    v.Position("PageNr", s.PageNr);
    v.Position("Title", s.Title);
    v.Position("Time", s.Time);
    v.Text("DateFormat", s.DateFormat);
    v.Text("TitleText", s.TitleText);
    v.Length("FooterSize", s.FooterSize, 100);
    v.Length("HeaderSize", s.HeaderSize, 100);
    v.Length("LeftSize", s.LeftSize, 100);
    v.Length("RightSize", s.RightSize, 100);
    v.Ordinal("FitToPage", s.FitToPage, fpCustom);
    v.Font("", s.Font);
    v.Font("Header", s.HeaderFont);
    v.Font("Footer", s.FooterFont);
    v.Text("PageNumSep", s.PageNumSep);
    v.Text("PageSuffix", s.PageSuffix);
    v.Text("PagePrefix", s.PagePrefix);
    v.Ordinal("Orientation", s.Orientation, TPrintOrientation::Landscape);
    v.Lines("TitleLines", s.TitleLines);
}

class TWriter {
public:
    explicit TWriter(TIniDocument& ini) : ini_(ini) {}

    void Length(const char* key, int value, int) { ini_.WriteInteger(PrintSettingsSection, key, value); }
    void Flag(const char* key, bool value, bool) { ini_.WriteString(PrintSettingsSection, key, value ? "Y" : "N"); }
    template <typename TEnum>
    void Ordinal(const char* key, TEnum value, TEnum) {
        ini_.WriteInteger(PrintSettingsSection, key, int(value));
    }
    void Position(const char* key, TPrintPosition value) { ini_.WriteInteger(PrintSettingsSection, key, value); }
    void Text(const char* key, const std::string& value) { ini_.WriteString(PrintSettingsSection, key, value); }
    void Font(const std::string& prefix, const TPrintFont& font) {
        ini_.WriteString(PrintSettingsSection, prefix + "FontName", font.Family);
        ini_.WriteInteger(PrintSettingsSection, prefix + "FontSize", font.PointSize);
        ini_.WriteInteger(PrintSettingsSection, prefix + "FontStyle", font.Styles);
        ini_.WriteInteger(PrintSettingsSection, prefix + "FontColor", int(font.Color));
    }
    // Each line ends in backslash and "n", so the lines fit one value.
    void Lines(const char* key, const std::vector<std::string>& lines) {
        std::string joined;
        for (const std::string& line : lines) {
            for (char c : line)
                if (c == '\r') joined += LineBreak;
                else if (c != '\n') joined += c;
            joined += LineBreak;
        }
        ini_.WriteString(PrintSettingsSection, key, joined);
    }

private:
    TIniDocument& ini_;
};

class TReader {
public:
    explicit TReader(const TIniDocument& ini) : ini_(ini) {}

    void Length(const char* key, int& value, int fallback) { value = std::clamp(ReadInt(key, fallback), 0, MaxLength); }
    void Flag(const char* key, bool& value, bool fallback) {
        value = ini_.ReadString(PrintSettingsSection, key, fallback ? "Y" : "N") == "Y";
    }
    template <typename TEnum>
    void Ordinal(const char* key, TEnum& value, TEnum last) {
        const int stored = ReadInt(key, 0);
        if (stored >= 0 && stored <= int(last)) value = TEnum(stored);
    }
    void Position(const char* key, TPrintPosition& value) {
        const int stored = ReadInt(key, 0);
        value = stored >= ppTopLeft && stored <= ppBottomCenter ? TPrintPosition(stored) : ppNone;
    }
    void Text(const char* key, std::string& value) { value = ReadText(key, ""); }
    void Font(const std::string& prefix, TPrintFont& font) {
        font.Family = ReadText(prefix + "FontName", "Arial");
        font.PointSize = std::clamp(ReadInt(prefix + "FontSize", 10), 1, MaxPointSize);
        font.Styles |= std::uint8_t(ReadInt(prefix + "FontStyle", 0) & 0x0F);
        font.Color = TColor(ReadInt(prefix + "FontColor", 0));
    }
    void Lines(const char* key, std::vector<std::string>& lines) {
        const std::string joined = ReadText(key, "");
        lines.clear();
        std::size_t start = 0;
        while (start < joined.size()) {
            const std::size_t end = joined.find(LineBreak, start);
            lines.push_back(joined.substr(start, end - start));
            if (end == std::string::npos) break;
            start = end + LineBreak.size();
        }
    }

private:
    // A bare carriage return inside a line (a file from an old Mac) is no line
    // break here, and no INI value could hold it when the settings are saved.
    std::string ReadText(const std::string& key, std::string_view fallback) const {
        std::string text = ini_.ReadString(PrintSettingsSection, key, fallback);
        std::replace(text.begin(), text.end(), '\r', ' ');
        return text;
    }
    int ReadInt(const std::string& key, int fallback) const {
        return ini_.ReadInteger(PrintSettingsSection, key, fallback);
    }

    const TIniDocument& ini_;
};

}  // namespace

void WritePrintSettings(const TPrintSettings& settings, TIniDocument& ini) {
    // The section is written afresh, so its keys stand in the file's order.
    ini.EraseSection(PrintSettingsSection);
    TWriter writer(ini);
    VisitFields(settings, writer);
}

void ReadPrintSettings(const TIniDocument& ini, TPrintSettings& settings) {
    TReader reader(ini);
    VisitFields(settings, reader);
}

void SavePrintSettingsFile(const TPrintSettings& settings, const std::string& fileName) {
    TIniFile file(fileName);
    WritePrintSettings(settings, file.Document());
    file.Save();
}

void LoadPrintSettingsFile(const std::string& fileName, TPrintSettings& settings) {
    // A missing file would read as an empty one. Whatever else is not a
    // regular file the reader below refuses, naming what it is.
    struct stat st {};
    if (stat(fileName.c_str(), &st) != 0) {
        const int error = errno;
        throw EGridFileError(CannotOpenFileText(fileName), fileName,
                             error == ENOENT ? TKM_TR("Files", "No such file") : ErrnoText(error));
    }
    const TIniFile file(fileName);
    ReadPrintSettings(file.Document(), settings);
}

std::string WithIniExtension(const std::string& fileName, int filterIndex) {
    const std::string name = std::filesystem::path(fileName).filename().string();
    return filterIndex == 1 && name.find('.') == std::string::npos ? fileName + ".ini" : fileName;
}

}  // namespace tkm
