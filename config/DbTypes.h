#pragma once
// Type codes, symbol kinds, markers and limits of the configuration database.

#include "platform/PlatFs.h"

constexpr int PAR_TYPE_INT = 1;        // pt_i: signed 32-bit integer
constexpr int PAR_TYPE_FLOAT = 2;      // pt_f: 32-bit float
constexpr int PAR_TYPE_STRING = 3;     // pt_str: text of one word
constexpr int PAR_TYPE_STRING_ANY = 4; // pt_str_any: any text on one line

// Kinds of the tokenizer's last symbol.
constexpr unsigned char SYM_EOF = 1;
constexpr unsigned char SYM_QUOTED = 3;
constexpr unsigned char SYM_WORD = 4;

constexpr char DB_KEY_LQUATATION = '"';
constexpr char DB_KEY_RQUATATION = '"';

constexpr const char* DB_KEY_SECTION = "sn";
constexpr const char* DB_KEY_VALUE = "sv";
constexpr const char* DB_KEY_ASSIGN = "=";

// A symbol, a stored string value and a file name hold a full path: the platform's limit.
constexpr int DB_MAX_SYM = static_cast<int>(plat::kMaxPath) - 1;  // characters of a symbol
constexpr int DB_MAX_TEXT = static_cast<int>(plat::kMaxPath) - 1; // characters of a stored string value
constexpr int DB_MAX_FILE_NAME = static_cast<int>(plat::kMaxPath) - 1;
constexpr int DB_MAX_SEC_NAME = 127; // characters of a section name
constexpr int DB_MAX_PAR_NAME = 255; // characters of a parameter name
constexpr int DB_MAX_STR_VAL = 255;  // characters of a string value through WrVal and RdVal
constexpr int DB_VALUE_SIZE = 256;   // bytes of the value buffer that WrVal and RdVal take

// The keyword of a type code ("pt_i", ...), or nullptr; and the code of a keyword, or 0.
const char* DbTypeKeyword(int type);
int DbTypeFromKeyword(const char* keyword);
