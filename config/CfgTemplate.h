#pragma once
// Bringing a learner's section file up to a newer template: the parameters it lacks are added.

#include <string>

// The learner's section text with every parameter of the template's section that it lacks
// appended after its own bytes, which stay as they are, in the template's order and as the
// template writes them. True when parameters were added; false, mine untouched, when none are
// missing or either text is not one section of the same name (a file the program itself would
// refuse is left for it to refuse).
bool CfgAddMissingPars(const std::string& tmpl, std::string& mine);

// The same over files: the learner's file is rewritten whole, through the atomic writer, only
// when parameters were added. False only when a file cannot be read or the write failed.
bool CfgUpdateFromTemplate(const std::string& tmplPath, const std::string& minePath);
