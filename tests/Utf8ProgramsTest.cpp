// Every mode over UTF-8 phrase files (Greek, Polish, Chinese): the screens and the results
// byte for byte, letters and words compared as characters, Unicode case folding for
// MatchCase 0, and the byte-order mark kept in the results exactly when the file had it.
#include "tests/ProgramTest.h"

using Screens = std::vector<std::string>;

namespace {
const std::string kBom = "\xEF\xBB\xBF";
const std::string kEnd = "\n\n\n\n\n--------- Press some key to continue -------";
const std::string kTimeEnd = "\n\n\n\n\n----------------------------------";
const std::string kGreek = "*Good morning\n=Καλημέρα σας\n";
const std::string kPolish = kBom + "*Thank you\n=Dziękuję bardzo\n";
const std::string kChinese = "*I love you\n=我 爱 你\n";

struct SCase {
    const char* what;
    std::string file; // Lesson.mix, or Story.txt for the plain-text modes 7 and 8
    int mode;
    int matchCase;
    std::string keys; // typed keys; for a time-out mode the key put into wait `wait`
    int wait;         // -1: a mode paced by keys
    int screen;       // the screen shown at this key (or wait)
    std::string shown;
    std::string results; // of the first pass, empty when nothing was written
};

const SCase kCases[] = {
    {"in whole, Greek", kGreek, 0, 0, " x", -1, 1, Shown("Good morning", "Καλημέρα σας"), kGreek},
    {"word by word, Chinese", kChinese, 1, 0, "ab c", -1, 3, Shown("I love you", "我 爱 你 "), kChinese},
    {"which letter, Greek capitals under folding", kGreek, 2, 0, "xκΣk", -1, 3,
        Shown("Good morning", " Καλημέρα σας" + kEnd), ""},
    {"which letter, Polish exact", kPolish, 2, 1, "dD k", -1, 2, Shown("Thank you", " Dziękuję "), kPolish},
    {"which letter, other match case", kGreek, 2, 2, "Κ=+k", -1, 1, Shown("Good morning", " "), ""},
    {"open brackets word, Polish capitals", kBom + "*Thank you\n=<Dziękuję> <bardzo>\n", 5, 0, "DZIĘKUJĘ\r k", -1, 8,
        Shown("Thank you", "<DZIĘKUJĘ> <>"), kBom + "*Thank you\n=Dziękuję <bardzo>\n"},
    {"open brackets letter, Chinese", "*I love you\n=<我> 爱 <你>\n", 6, 0, "x我 k", -1, 2,
        Shown("I love you", "<我> 爱 <>"), "*I love you\n=我 爱 <你>\n"},
    {"open brackets word N/I, Greek final sigma", "Ο <σκύλος> γαβγίζει.\n", 7, 0, "ΣΚΎΛΟΣ\rk", -1, 7,
        "Ο <σκύλος> γαβγίζει.\n" + kEnd, ""},
    {"open brackets letter N/I, Chinese", "我 <爱> 你\n", 8, 0, "爱k", -1, 1, "我 <爱> 你\n" + kEnd, ""},
    {"add brackets, Greek", kGreek, 9, 0, "k a", -1, 2, Shown("Good morning", "<Καλημέρα> σας "),
        "*Good morning\n=<Καλημέρα> σας \n"},
    {"time out in whole, Chinese", kChinese, 3, 0, " ", 1, 1, Shown("I love you", "我 爱 你"), kChinese},
    {"time out word by word, Greek", kGreek, 4, 0, " ", 1, 2, Shown("Good morning", "Καλημέρα σας "), kGreek},
    {"add brackets time out, Polish", kPolish, 10, 0, " ", 1, 2, Shown("Thank you", "<Dziękuję> bardzo "),
        kBom + "*Thank you\n=<Dziękuję> bardzo \n"},
};
} // namespace

class Utf8ProgramsTest : public ProgramTest {};

TEST_F(Utf8ProgramsTest, EveryModeWorksOnCharacters)
{
    SetSetting("To_InWh", "TimeOut", 2);
    SetSetting("To_WbW", "TimeOut", 2);
    SetSetting("AddBrTo", "TimeOut", 1);
    for (const SCase& c : kCases) {
        SCOPED_TRACE(c.what);
        SetSetting("OpBrAll", "MatchCase", c.matchCase);
        Open(c.mode == 7 || c.mode == 8 ? "Story.txt" : "Lesson.mix", c.file);
        Screens s;
        if (c.wait >= 0) {
            CTimeOutScript script;
            CBsPrgr::SetTimeOutObserver(&script);
            script.KeyAt(c.wait, c.keys[0]);
            FirstIteration(c.mode);
            WaitForEnd();
            CBsPrgr::SetTimeOutObserver(&m_TimeOuts);
            s = script.Screens();
        } else {
            FirstIteration(c.mode);
            s = Keys(c.keys);
        }
        ASSERT_GT(s.size(), static_cast<std::size_t>(c.screen));
        EXPECT_EQ(s[c.screen], c.shown);
        EXPECT_EQ(Results(1), c.results);
    }
}
