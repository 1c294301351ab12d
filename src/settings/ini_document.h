#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tkm {

// INI text in memory, read and written with the rules of the Windows profile
// functions: [sections] and key=value lines, names compared without regard to
// ASCII case, values trimmed of blanks and stripped of one pair of enclosing
// quotes (double or single); the first of duplicate sections or keys counts.
// Lines it does not understand (comments, junk) are kept as they are.
class TIniDocument {
public:
    TIniDocument();
    static TIniDocument Parse(std::string_view text);
    // The text with CR LF line ends.
    std::string Text() const;
    bool Modified() const { return modified_; }
    void ClearModified() { modified_ = false; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // A whole number in decimal, or in hexadecimal after "0x" or "$"; otherwise the fallback.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    bool SectionExists(std::string_view section) const;

    // Writes so that ReadString gives the value back unchanged: a value that
    // begins or ends with a blank or is enclosed in quotes gets one more pair of
    // double quotes. std::invalid_argument for names or values no line can hold.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view key);

private:
    struct TLine {
        std::string Raw;
        std::string Key;  // empty: not a key=value line
    };
    struct TSection {
        std::string Name;
        bool HasHeader = true;  // false only for the lines before the first section
        std::vector<TLine> Lines;
    };

    static constexpr std::size_t NotFound = std::size_t(-1);
    std::size_t FindSection(std::string_view name) const;
    std::size_t FindKey(std::size_t section, std::string_view key) const;
    std::size_t SectionForWriting(std::string_view name);

    std::vector<TSection> sections_;
    bool modified_ = false;
};

}  // namespace tkm
