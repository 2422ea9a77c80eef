#include "import/Kvtml.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>

namespace imp {

namespace {
pugi::xml_node Translation(const pugi::xml_node& entry, const char* id)
{
    return entry.find_child_by_attribute("translation", "id", id);
}
} // namespace

void ReadKvtml(const std::string& text, CPhraseSink& sink, SResult& result)
{
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        const std::size_t at =
            std::min(static_cast<std::size_t>(std::max<std::ptrdiff_t>(parsed.offset, 0)), text.size());
        result.problem = Problem::BadXml;
        result.line =
            1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
        return;
    }
    const pugi::xml_node root = doc.document_element();
    if (std::strcmp(root.name(), "kvtml") != 0 || std::strncmp(root.attribute("version").value(), "2.", 2) != 0) {
        result.problem = Problem::UnknownForm;
        return;
    }
    const pugi::xml_node ids = root.child("identifiers");
    const bool oneLanguage = std::distance(ids.children("identifier").begin(), ids.children("identifier").end()) == 1;
    for (const pugi::xml_node& entry : root.child("entries").children("entry")) {
        const pugi::xml_node first = Translation(entry, "0");
        if (oneLanguage)
            sink.Add(first.child_value("text"), first.child_value("comment"));
        else
            sink.Add(first.child_value("text"), Translation(entry, "1").child_value("text"));
    }
}

} // namespace imp
