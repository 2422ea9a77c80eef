#pragma once
// Conversion of the editable UTF-8 masters of the shipped source texts into the files the text
// makers read: single-byte code page of the language, CR LF line ends, exactly one at the end.

#include <ostream>
#include <string>

struct SCnvrtErr {
    int line = 0;         // 1-based line of the master
    int column = 0;       // 1-based character (not byte) within that line
    char32_t chr = 0;     // the refused character; 0 for a malformed UTF-8 sequence
    std::string what;     // why it was refused
};

// Code page of a source text, from its path below Texts_Src: the Russian folders ("Russian",
// "Cg/Ru") hold windows-1251, every other language windows-1252.
int MstrCodePage(const std::string& relPath);

// Converts one master. Line ends may be LF or CR LF; a leading byte order mark is dropped, and so
// are empty lines at the end, so that the file ends with exactly one CR LF. Refuses, with the
// place of the first offence: malformed UTF-8, a character the code page lacks, a control
// character (tab and lone CR included), an empty text.
bool CnvrtMstr(const std::string& utf8, int codePage, std::string& out, SCnvrtErr& err);

// "<file>:<line>:<column>: <what> (U+XXXX 'c')": one line naming the offence for a person.
std::string FormatCnvrtErr(const std::string& file, const SCnvrtErr& err);

// Converts every *.txt below masterDir into the same relative path below outDir, writing only
// files whose bytes changed and removing *.txt files below outDir that no master gives any more.
// Returns 0, or 1 after writing one line per refused master (every master is checked) to msgs.
int CnvrtMstrTree(const std::string& masterDir, const std::string& outDir, std::ostream& msgs);
