#pragma once
// Help selection: keeps the help pair of the interface language in the program folder, and
// records in "UnSv"/"HelpAavlbl" which pair is there (1 English, 2 Russian).

#include "locale/ISetHelp.h"

#include <string>

constexpr int HELP_AVAILABLE_ENGLISH = 1;
constexpr int HELP_AVAILABLE_RUSSIAN = 2;

class CSetHelp : public ISetHelp {
public:
    int SetHelpForCurrentLocality(ILocal* pILocal) override;

    // Installs one pair; a failure ends the program. 0.
    int MakeHelp_English();
    int MakeHelp_Russian();

    // Copies Lexido.hlp and then Lexido.cnt from the program folder + folder into the program
    // folder. Each copy replaces its file whole or not at all. 0 on success, 1 on failure.
    int OverwrireFile(const char* folder);

private:
    int CopyOne(const char* folder, const char* name);
    // True when both files of the installed pair are in the program folder.
    bool PairIsInPlace();

    std::string m_Src;
    std::string m_Dst;
};
