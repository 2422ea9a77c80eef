#pragma once
// Filling an interface text's placeholders %1, %2 ... with the values in turn.

#include <initializer_list>
#include <string>

// format with each "%n" (n from 1 to 9) replaced by the n-th argument; a "%" followed by any
// other character stays as it is. A null format gives "".
std::string FillText(const char* format, std::initializer_list<std::string> args);
