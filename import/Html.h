#pragma once
// A field of Anki's export in HTML as plain text.

#include <string>

namespace imp {

// Tags removed (one that breaks a line as a blank), character references and the common named
// entities decoded, Anki's sound references ("[sound:x.mp3]") removed.
std::string HtmlToText(const std::string& html);

} // namespace imp
