#pragma once
// Counts as each interface language writes them: its digit grouping and the plural form of the
// noun counted. All texts are bytes of the language's code page.

#include <string>

class ILocal;

// n with its digits in groups of three: "2,380,000" in English, "2.380.000" in German,
// "2 380 000" in Russian (a no-break space between the groups).
std::string LclNumber(long long n, int language);

// Which of a noun's forms goes with n: English and German 0 for one, 1 otherwise; Russian 0
// for 1, 21, 31 ..., 1 for 2-4, 22-24 ..., 2 for the rest (5-20, 25-30, 11-14, ...).
int LclPluralForm(long long n, int language);

// n grouped, a blank and the form of the noun that goes with it; forms are the noun's forms
// in the order above, separated by '|' ("pass|passes", "проход|прохода|проходов").
std::string LclCount(long long n, const char* forms, int language);

// The same with the forms of interface text formsIndex of the language.
std::string LclCount(long long n, int formsIndex, ILocal& language);
