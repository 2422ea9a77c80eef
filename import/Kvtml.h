#pragma once
// KDE's vocabulary format kvtml 2.0, read with pugixml.

#include "import/PhraseSink.h"

#include <string>

namespace imp {

// Each entry's translations 0 and 1; in a file of one identifier (one language), translation
// 0's text and its comment. The result's problem is BadXml (with the line) for XML that is not
// well-formed, UnknownForm for another document than kvtml 2.0.
void ReadKvtml(const std::string& text, CPhraseSink& sink, SResult& result);

} // namespace imp
