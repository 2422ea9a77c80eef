#pragma once
// Splitting a phrase file into phrases: "*" first text "=" second text, repeated. This is the
// rule every reader of phrase files applies (the work file of the passes above all).

#include "platform/PlatUtf8.h"
#include "texts/ISmrtFile.h"

class CSmrtFile_Nrml;

constexpr char PHRASE_FIRST_MARKER = '*';
constexpr char PHRASE_SECOND_MARKER = '=';
// A field holds a text of at most 1023 bytes and its terminating zero.
constexpr int MAX_PHRASE_FIELD_SZ = 1024;

class CPhraseReader {
public:
    // The file is open for reading, at its first text byte, and outlives the reader; coding
    // is the file's (a text of a UTF-8 file is never cut inside a character).
    explicit CPhraseReader(ISmrtFile& file, plat::TextCoding coding = plat::TextCoding::SingleByte);

    // Reads one field into text (MAX_PHRASE_FIELD_SZ bytes): blanks, any run of openers and
    // blanks are skipped; the text runs up to the closer, which is consumed, or the end; one
    // final LF is removed. A text longer than 1023 bytes keeps its first 1023 and the rest of
    // the field is skipped (in a UTF-8 file, its first whole characters within 1023 bytes). Returns 1 when the field is present (at least one character before
    // its closer), 0 otherwise.
    int ReadField(char opener, char closer, char* text);

    // Both fields of the next phrase, always both; 1 when both were present. 0 ends the reading
    // as the end of the file does.
    int ReadRecord(char* first, char* second);

private:
    ISmrtFile& m_File;
    CSmrtFile_Nrml* m_pNrml; // the same file when it is a plain one: read without virtual calls
    bool m_Utf8;
};
