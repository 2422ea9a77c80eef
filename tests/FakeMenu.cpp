#include "tests/FakeMenu.h"

#include "platform/PlatCodePage.h"
#include "platform/PlatUtf8.h"

std::u32string FromUtf8(const std::string& utf8)
{
    std::u32string out;
    std::size_t pos = 0;
    char32_t c;
    while (plat::NextUtf8(utf8, pos, c))
        out += c;
    return out;
}

std::string CodePageToUtf8(const char* bytes, int codePage)
{
    std::u32string u;
    for (const char* p = bytes; *p; ++p)
        u += plat::ToUnicode(static_cast<unsigned char>(*p), codePage);
    return plat::ToUtf8(u);
}

std::string FakeMenu::GetItemCaption(int pos, int codePage)
{
    if (pos < 0 || pos >= GetItemCount())
        return std::string();
    std::string out;
    for (char32_t c : At(pos).caption) {
        unsigned char b;
        out += plat::FromUnicode(c, codePage, b) ? static_cast<char>(b) : '?';
    }
    return out;
}

int FakeMenu::GetItemId(int pos)
{
    if (pos < 0 || pos >= GetItemCount())
        return -1;
    return At(pos).sub ? -1 : At(pos).id;
}

ILclMenu* FakeMenu::GetSubMenu(int pos)
{
    if (pos < 0 || pos >= GetItemCount())
        return nullptr;
    return At(pos).sub.get();
}

int FakeMenu::SetCaptionByPosition(int pos, const char* caption, int codePage)
{
    if (pos < 0 || pos >= GetItemCount() || !caption || At(pos).refuseChange)
        return 1;
    std::u32string u;
    for (const char* p = caption; *p; ++p)
        u += plat::ToUnicode(static_cast<unsigned char>(*p), codePage);
    At(pos).caption = u;
    ++changes;
    return 0;
}

int FakeMenu::SetCaptionByCommand(int id, const char* caption, int codePage)
{
    for (int pos = 0; pos < GetItemCount(); ++pos)
        if (!At(pos).sub && At(pos).id == id)
            return SetCaptionByPosition(pos, caption, codePage);
    return 1;
}

FakeMenu& FakeMenu::AddPopup(const std::string& utf8)
{
    Item item;
    item.caption = FromUtf8(utf8);
    item.sub = std::make_unique<FakeMenu>();
    m_Items.push_back(std::move(item));
    return *m_Items.back().sub;
}

void FakeMenu::AddItem(const std::string& utf8, int id)
{
    Item item;
    item.caption = FromUtf8(utf8);
    item.id = id;
    m_Items.push_back(std::move(item));
}

std::string FakeMenu::Utf8(int pos) const
{
    return plat::ToUtf8(m_Items.at(static_cast<std::size_t>(pos)).caption);
}

void FakeMenu::SetUtf8(int pos, const std::string& utf8)
{
    At(pos).caption = FromUtf8(utf8);
}

std::string FakeMenu::Dump() const
{
    std::string out;
    for (const Item& top : m_Items) {
        out += plat::ToUtf8(top.caption) + "\n";
        if (top.sub)
            for (const Item& item : top.sub->m_Items)
                out += plat::ToUtf8(top.caption) + "|" + plat::ToUtf8(item.caption) + "|" + std::to_string(item.id) + "\n";
    }
    return out;
}

const std::vector<MenuTop>& EnglishMenuResource()
{
    static const std::vector<MenuTop> menu = {
        {1, "File", {{2, "&Open...\tCtrl+O", 32772}, {190, "&Import...", 32870}, {578, "&Export...", 32875}, {3, "&Save Results As...\tCtrl+S", 32795},
                     {4, "Settings...", 32771}, {5, "Exit", 32773}}},
        {6, "&View", {{7, "&Toolbar", 59392}, {8, "&Status Bar", 59393}, {170, "&Progress...", 32860}, {0, "", 0},
                      {610, "Co&mfortable Layout", 32920}, {611, "C&lassic Layout", 32921}}},
        {9, "Keyboard", {{10, "Keyboard", 32796}, {11, "Mouse", 32797}}},
        {12, "Direction", {{13, "1st --> 2nd", 32774}, {14, "2nd --> 1st", 32775}}},
        {15, "Mode", {{16, "In Whole", 32776}, {17, "Word By Word", 32777},
                      {18, "Time Out (In Whole)", 32778}, {19, "Time Out (Word By Word)", 32779},
                      {20, "Which Letter?", 32781}, {21, "Open Brackets (Whole Word)", 32783},
                      {22, "Open Brackets (1 Letter)", 32784},
                      {23, "Open Brackets (Whole Word), N/I", 32785},
                      {24, "Open Brackets (1 Letter), N/I", 32786}, {540, "Type the Answer", 32890},
                      {541, "Choose the Answer", 32891}, {-1, "-------------------------------", 0}, {25, "Add Brackets", 32803}}},
        {26, "Run", {{27, "First Iteration", 32801}, {28, "Next Iteration", 32790},
                     {29, "Next File", 32794}, {30, "Previous File", 32793},
                     {464, "Review &Due\tCtrl+R", 32880}, {0, "", 0},
                     {135, "Speak\tF4", 32840}}},
        {31, "Add Brackets", {{32, "Add Brackets (Word By Word)", 32782}, {33, "Add Brackets (Time Out)", 32780}}},
        {34, "Phrase-book", {{35, "English <---> French", 32818}, {36, "English <---> German", 32819},
                             {37, "English <---> Russian", 32820}, {0, "", 0},
                             {38, "French <---> English", 32821}, {39, "French <---> German", 32822},
                             {40, "French <---> Russian", 32823}, {0, "", 0},
                             {41, "German <---> English", 32824}, {42, "German <---> French", 32825},
                             {43, "German <---> Russian", 32826}, {0, "", 0},
                             {44, "Russian <---> English", 32827}, {45, "Russian <---> French", 32828},
                             {46, "Russian <---> German", 32829}}},
        {47, "&Help", {{48, "&Help Contents", 57667}, {0, "", 0}, {49, "&About Lexido", 57664}}},
    };
    return menu;
}

void BuildEnglishMenu(FakeMenu& bar)
{
    for (const MenuTop& top : EnglishMenuResource()) {
        FakeMenu& sub = bar.AddPopup(top.english);
        for (const MenuEntry& e : top.items) {
            if (e.text == 0)
                sub.AddSeparator();
            else
                sub.AddItem(e.english, e.id);
        }
    }
}
