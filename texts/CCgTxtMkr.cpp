#include "texts/CCgTxtMkr.h"

#include <string>

const CCgTxtMkr::SPair CCgTxtMkr::kPairTable[kPairs] = {
    {"En", "Ru", "English_Russian"}, {"En", "Fr", "English_French"}, {"En", "Ge", "English_German"},
    {"Fr", "Ge", "French_German"},   {"Fr", "Ru", "French_Russian"}, {"Ge", "Ru", "German_Russian"},
};

const char* const CCgTxtMkr::kTopicTable[kTopics] = {
    "01 Food and drink",
    "02 At the hotel",
    "03 Traveling. At the travel bureau. Amusements",
    "04 Railway travel",
    "05 Steamship travel",
    "06 Flying service",
    "07 Luggage and customs",
    "08 Countries and nationalities",
    "09 Hairdresser's and barber's personal hygiene",
    "10 Shopping",
    "11 Sports, cycling and camping",
    "12 Road warning signs",
    "13 Motor car travel. Motor service",
    "14 Emergencies. At the doctor and dentist",
    "15 Daily phrases",
    "16 Post, telephone, telegrams",
    "17 Banking, business",
    "18 Numerals, weights and measures",
};

int CCgTxtMkr::UnfastenText()
{
    // A refused making is reported to the start-up; the other makings are still done.
    int rc = 0;
    const std::string src = "/Settings/Texts_Src/Cg/";
    for (const SPair& pair : kPairTable) {
        for (const char* topic : kTopicTable) {
            const std::string first = src + pair.firstCode + "/" + topic + ".txt";
            const std::string second = src + pair.secondCode + "/" + topic + ".txt";
            const std::string output = std::string("/Text/Conversational Guide/") + pair.folder + "/" + topic + ".mix";
            if (MakeOneMixFile(first.c_str(), second.c_str(), output.c_str()) != 0)
                rc = 1;
        }
    }
    return rc;
}
