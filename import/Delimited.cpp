#include "import/Delimited.h"

#include "import/Html.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <vector>

namespace imp {

namespace {

using Fields = std::vector<std::string>;

bool IsBlank(const std::string& s)
{
    return s.find_first_not_of(" \t") == std::string::npos;
}

// How a field in double quotes is read.
enum class Quotes {
    None,  // quotes are text
    Rfc,   // a field that begins with '"' runs to the next '"' that is not doubled
    Closed // so, where such a quote follows; a quote without one is text, as are all after it
};

// Where the quoted part that opens before pos ends (at its closing quote); npos for none.
std::size_t ClosingQuote(const std::string& text, std::size_t pos)
{
    for (;;) {
        pos = text.find('"', pos);
        if (pos == std::string::npos || pos + 1 >= text.size() || text[pos + 1] != '"')
            return pos;
        pos += 2;
    }
}

// Splits text from pos into records of fields and hands each but the blank lines to f.
template <class F>
void Split(const std::string& text, std::size_t pos, char sep, Quotes quotes, F&& f)
{
    bool quoting = quotes != Quotes::None;
    Fields fields;
    std::string field;
    bool begun = false; // the field has a character or a quoted part
    const auto endRecord = [&] {
        fields.push_back(field);
        if (fields.size() > 1 || !IsBlank(fields[0]))
            f(fields);
        fields.clear();
        field.clear();
        begun = false;
    };
    while (pos < text.size()) {
        const char c = text[pos++];
        if (quoting && c == '"' && !begun && quotes == Quotes::Closed && ClosingQuote(text, pos) == std::string::npos)
            quoting = false; // no quote closes: every later one is text too, and none is sought again
        if (quoting && c == '"' && !begun) {
            begun = true;
            while (pos < text.size()) {
                const char q = text[pos++];
                if (q != '"') {
                    field += q;
                } else if (pos < text.size() && text[pos] == '"') {
                    field += '"';
                    ++pos;
                } else {
                    break;
                }
            }
        } else if (c == sep) {
            fields.push_back(field);
            field.clear();
            begun = false;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && pos < text.size() && text[pos] == '\n')
                ++pos;
            endRecord();
        } else {
            field += c;
            begun = true;
        }
    }
    if (begun || !fields.empty())
        endRecord();
}

// The first two fields of a record, as many as there are.
void AddFirstTwo(CPhraseSink& sink, const Fields& f)
{
    sink.Add(f[0], f.size() > 1 ? f[1] : std::string());
}

// The key of a header line "#key:value", lower-case; empty when the line is none.
std::string HeaderKey(const std::string& line, std::string& value)
{
    const std::size_t colon = line.find(':');
    if (line.empty() || line[0] != '#' || colon == std::string::npos)
        return std::string();
    static const char* const kKeys[] = {"separator", "html", "tags", "columns", "notetype", "deck", "guid column",
        "notetype column", "deck column", "tags column"};
    const std::string key = AsciiLower(line.substr(1, colon - 1));
    value = line.substr(colon + 1);
    while (!value.empty() && (value.back() == '\r' || value.back() == ' '))
        value.pop_back();
    for (const char* k : kKeys)
        if (key == k)
            return key;
    return std::string();
}

std::string LineAt(const std::string& text, std::size_t pos)
{
    const std::size_t end = text.find('\n', pos);
    return text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
}

// A separator by Anki's name for it or as the character itself; 0 for neither.
char Separator(const std::string& value)
{
    static const struct {
        const char* name;
        char c;
    } kNames[] = {{"tab", '\t'}, {"comma", ','}, {"semicolon", ';'}, {"space", ' '}, {"pipe", '|'}, {"colon", ':'}};
    const std::string v = AsciiLower(value);
    for (const auto& n : kNames)
        if (v == n.name)
            return n.c;
    if (value == "\\t")
        return '\t';
    const unsigned char c = value.size() == 1 ? static_cast<unsigned char>(value[0]) : 0;
    return c > 0 && c < 0x80 && c != '"' && c != '\n' ? static_cast<char>(c) : 0;
}

} // namespace

std::string AsciiLower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool HasAnkiHeader(const std::string& text)
{
    std::string value;
    return !HeaderKey(LineAt(text, 0), value).empty();
}

void ReadTsv(const std::string& text, CPhraseSink& sink)
{
    Split(text, 0, '\t', Quotes::Closed, [&](const Fields& f) { AddFirstTwo(sink, f); });
}

void ReadCsv(const std::string& text, CPhraseSink& sink)
{
    const std::string first = LineAt(text, 0);
    const char sep = first.find(',') == std::string::npos && first.find(';') != std::string::npos ? ';' : ',';
    Split(text, 0, sep, Quotes::Rfc, [&](const Fields& f) { AddFirstTwo(sink, f); });
}

bool ReadAnki(const std::string& text, CPhraseSink& sink)
{
    char sep = '\t';
    bool html = false;
    std::vector<long> notFields; // columns from 1 that hold no field of the note
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == '#') {
        const std::string line = LineAt(text, pos);
        pos += line.size() + 1;
        std::string value;
        const std::string key = HeaderKey(line, value);
        if (key == "separator" && !(sep = Separator(value)))
            return false;
        if (key == "html")
            html = AsciiLower(value) == "true";
        if (key.size() > 7 && key.compare(key.size() - 7, 7, " column") == 0)
            notFields.push_back(std::strtol(value.c_str(), nullptr, 10));
    }
    Split(text, std::min(pos, text.size()), sep, Quotes::Rfc, [&](const Fields& all) {
        Fields f;
        for (std::size_t i = 0; i < all.size() && f.size() < 2; ++i)
            if (std::find(notFields.begin(), notFields.end(), static_cast<long>(i + 1)) == notFields.end())
                f.push_back(ClozeToBrackets(html ? HtmlToText(all[i], sink.Media()) : all[i]));
        if (f.empty())
            f.emplace_back();
        AddFirstTwo(sink, f);
    });
    return true;
}

} // namespace imp
