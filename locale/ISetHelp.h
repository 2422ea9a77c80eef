#pragma once
// Help selection: puts the help pair (Lexido.hlp, Lexido.cnt) of an interface language into
// the program folder.

class ILocal;

class ISetHelp {
public:
    virtual ~ISetHelp() = default;
    // Installs the help pair for the language of pILocal (Russian for Russian, English for
    // every other language) unless it is in place already. 0; a failure ends the program.
    virtual int SetHelpForCurrentLocality(ILocal* pILocal) = 0;
};
