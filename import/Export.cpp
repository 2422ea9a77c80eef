#include "import/Export.h"

#include "import/Delimited.h"
#include "platform/PlatFs.h"
#include "texts/PhraseList.h"

#include <pugixml.hpp>

#include <algorithm>

namespace imp {

namespace {

// The text as one line: control characters (tabs and line ends among them) as blanks, which is
// how the import reads them.
std::string OneLine(const std::string& text)
{
    if (std::none_of(
            text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        return text;
    std::string line = text;
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return line;
}

// A field in double quotes, its quotes doubled, where it holds a character of special.
std::string Quoted(const std::string& field, const char* special, bool quoteAtStart)
{
    const bool quote = field.find_first_of(special) != std::string::npos ||
        (quoteAtStart && !field.empty() && field[0] == '"') ||
        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quote)
        return field;
    std::string out = "\"";
    for (const char c : field) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + '"';
}

// The brackets of a text as one cloze deletion: every "<word>" a "{{c1::word}}", which Anki
// asks together as Lexido's Open Brackets modes do.
std::string Cloze(const std::string& text)
{
    std::string out;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const std::size_t close = text[pos] == '<' ? text.find('>', pos) : std::string::npos;
        if (close == std::string::npos) {
            out += text[pos];
            continue;
        }
        out += "{{c1::" + text.substr(pos + 1, close - pos - 1) + "}}";
        pos = close;
    }
    return out;
}

// pugixml's output appended to a string.
struct SStringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, std::size_t size) override { text.append(static_cast<const char*>(data), size); }
};

// The vocabulary's information and identifiers, then its entries one at a time through one
// reused entry node, so that no document of every phrase is held in memory.
std::string Kvtml(const PhraseTexts& phrases, const std::string& title)
{
    pugi::xml_document doc;
    pugi::xml_node info = doc.append_child("information");
    info.append_child("generator").text() = "Lexido";
    info.append_child("title").text() = title.c_str();
    pugi::xml_node ids = doc.append_child("identifiers");
    for (const char* id : {"0", "1"}) {
        pugi::xml_node ident = ids.append_child("identifier");
        ident.append_attribute("id") = id;
        ident.append_child("name").text() = id[0] == '0' ? "First" : "Second";
    }
    pugi::xml_node entry = doc.append_child("entry");
    pugi::xml_attribute id = entry.append_attribute("id");
    pugi::xml_text texts[2];
    for (int t = 0; t < 2; ++t) {
        pugi::xml_node tr = entry.append_child("translation");
        tr.append_attribute("id") = t;
        texts[t] = tr.append_child("text").text();
    }
    SStringWriter out;
    out.text.reserve(phrases.size() * 160 + 512);
    out.text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n";
    info.print(out, " ", pugi::format_default, pugi::encoding_utf8, 1);
    ids.print(out, " ", pugi::format_default, pugi::encoding_utf8, 1);
    out.text += " <entries>\n";
    int n = 0;
    for (const keeper::SCardTexts& p : phrases) {
        id = n++;
        texts[0] = OneLine(p.text1).c_str();
        texts[1] = OneLine(p.text2).c_str();
        entry.print(out, " ", pugi::format_default, pugi::encoding_utf8, 2);
    }
    out.text += " </entries>\n</kvtml>\n";
    return std::move(out.text);
}

} // namespace

ExportForm ExportFormFor(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return ExportForm::Unknown;
    const std::string ext = AsciiLower(path.substr(dot + 1));
    if (ext == "tsv")
        return ExportForm::Tsv;
    if (ext == "csv")
        return ExportForm::Csv;
    if (ext == "kvtml")
        return ExportForm::Kvtml;
    return ext == "txt" ? ExportForm::Anki : ExportForm::Unknown;
}

std::string ExportText(const PhraseTexts& phrases, ExportForm form, const std::string& title)
{
    if (form == ExportForm::Kvtml)
        return Kvtml(phrases, title);
    std::string out = form == ExportForm::Anki ? "#separator:tab\n#html:false\n#columns:Front\tBack\n" : "";
    out.reserve(out.size() + phrases.size() * 40);
    for (const keeper::SCardTexts& p : phrases) {
        const std::string one = OneLine(p.text1), two = OneLine(p.text2);
        switch (form) {
        case ExportForm::Csv: out += Quoted(one, ",;\"", true) + ',' + Quoted(two, ",;\"", true) + "\r\n"; break;
        case ExportForm::Anki: out += Quoted(Cloze(one), "", true) + '\t' + Quoted(Cloze(two), "", true) + '\n'; break;
        default: out += Quoted(one, "", true) + '\t' + Quoted(two, "", true) + '\n'; break;
        }
    }
    return out;
}

SExportResult ExportFile(const std::string& in, const std::string& out)
{
    SExportResult result;
    const ExportForm form = ExportFormFor(out);
    PhraseTexts phrases;
    if (form == ExportForm::Unknown)
        result.problem = ExportProblem::UnknownForm;
    else if (!ListPhraseTexts(in, phrases))
        result.problem = ExportProblem::CannotRead;
    else if (phrases.empty())
        result.problem = ExportProblem::NoPhrases;
    if (result.problem != ExportProblem::None)
        return result;
    const std::size_t slash = in.find_last_of('/');
    const std::string name = in.substr(slash == std::string::npos ? 0 : slash + 1);
    if (!plat::WriteFileAtomic(out, ExportText(phrases, form, name.substr(0, name.find_last_of('.')))))
        result.problem = ExportProblem::CannotWrite;
    else
        result.exported = static_cast<int>(phrases.size());
    return result;
}

} // namespace imp
