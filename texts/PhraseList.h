#pragma once
// The phrases of a phrase file as the memory across days names them: its records' two texts as
// card texts, in the file's order (what the Memory page counts and lexido-tty --memory lists).

#include "engine/MemoryKeeper.h"
#include "platform/PlatUtf8.h"

#include <string>
#include <vector>

// Reads the phrase file at path (plain or hidden, single-byte or UTF-8, decided as a pass
// decides it); false when it cannot be opened. Installed as the keeper's phrase lister.
bool ListCardTexts(const std::string& path, std::vector<keeper::SCardTexts>& out);
// The same phrases as UTF-8 texts with their brackets, as an export writes them.
bool ListPhraseTexts(const std::string& path, std::vector<keeper::SCardTexts>& out);
// The same phrases as the file stores them (bytes of its coding, brackets kept), as a view
// decodes them for the screen, and the coding decided.
bool ListStoredTexts(const std::string& path, std::vector<keeper::SCardTexts>& out, plat::TextCoding& coding);
