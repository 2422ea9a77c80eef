#include "settings/SpeechSettings.h"

#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"

namespace spch {

namespace {

bool ReadInt(const char* par, int& value)
{
    return g_pIDbVars && g_pIDbVars->TryRdVal(kSection, par, PAR_TYPE_INT, &value) == 0;
}

void ReadText(const char* par, std::string& value)
{
    char text[DB_VALUE_SIZE] = {};
    if (g_pIDbVars && g_pIDbVars->TryRdVal(kSection, par, PAR_TYPE_STRING_ANY, text) == 0) {
        text[DB_VALUE_SIZE - 1] = '\0';
        value = text;
    }
}

// A parameter of the section that is there with its type: only those are written.
bool Has(const char* par, int type)
{
    char value[DB_VALUE_SIZE] = {};
    return g_pIDbVars->TryRdVal(kSection, par, type, value) == 0;
}

} // namespace

bool HasSection()
{
    int rate = 0;
    return ReadInt("Rate", rate);
}

SSettings Read()
{
    SSettings s;
    ReadText("FirstLanguage", s.first);
    ReadText("SecondLanguage", s.second);
    ReadInt("Rate", s.rate);
    ReadText("Variant", s.variant);
    int on = 0;
    if (ReadInt("SpeakAnswers", on))
        s.speakAnswers = on != 0;
    on = 0;
    if (ReadInt("SpeakQuestions", on))
        s.speakQuestions = on != 0;
    return s;
}

bool Write(const SSettings& s)
{
    if (!g_pIDbVars || !HasSection())
        return false;
    bool all = true;
    for (const auto& [par, text] :
        {std::pair{"FirstLanguage", &s.first}, {"SecondLanguage", &s.second}, {"Variant", &s.variant}})
        if (Has(par, PAR_TYPE_STRING_ANY))
            all = g_pIDbVars->WrText(kSection, par, PAR_TYPE_STRING_ANY, *text) == 0 && all;
    for (const auto& [par, value] : {std::pair{"Rate", s.rate}, {"SpeakAnswers", s.speakAnswers ? 1 : 0},
             {"SpeakQuestions", s.speakQuestions ? 1 : 0}})
        if (Has(par, PAR_TYPE_INT))
            g_pIDbVars->WrVal(kSection, par, PAR_TYPE_INT, &value);
    return all;
}

bool Save()
{
    return g_pIDbVars && HasSection() && g_pIDbVars->Save(kSection) == 0;
}

} // namespace spch
