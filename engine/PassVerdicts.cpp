#include "engine/PassVerdicts.h"

#include "platform/PlatCodePage.h"
#include "platform/PlatScreenText.h"

#include <cstring>

std::string Utf8Text(const char* text, plat::TextCoding coding)
{
    // ASCII reads alike in every coding.
    const char* c = text;
    while (*c && static_cast<unsigned char>(*c) < 0x80)
        ++c;
    if (plat::IsUtf8Coding(coding) || !*c)
        return text;
    // Where no word decides, Cyrillic: a text of high letters only is Russian.
    return plat::ToUtf8(plat::ScreenToUnicode(text, static_cast<int>(std::strlen(text)), plat::kCpCyrillic));
}

std::string CardText(const char* text, plat::TextCoding coding)
{
    const std::string utf8 = Utf8Text(text, coding);
    std::string card;
    card.reserve(utf8.size());
    for (const char c : utf8)
        if (c != '<' && c != '>')
            card.push_back(c);
    return card;
}

void CPassVerdicts::Begin(plat::TextCoding coding)
{
    std::lock_guard<std::mutex> lk(m_Lock);
    m_Coding = coding;
    m_Phrases.clear();
    m_Written.clear();
}

void CPassVerdicts::Shown(const char* dic, const char* backDic)
{
    std::string one = CardText(dic, m_Coding), two = CardText(backDic, m_Coding);
    std::lock_guard<std::mutex> lk(m_Lock);
    if (!m_Phrases.empty())
        m_Phrases.back().finished = true;
    m_Phrases.push_back(SPhrase{std::move(one), std::move(two)});
}

void CPassVerdicts::InputEnded()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    if (!m_Phrases.empty())
        m_Phrases.back().finished = true;
}

void CPassVerdicts::Marked(bool marked)
{
    std::lock_guard<std::mutex> lk(m_Lock);
    if (!m_Phrases.empty() && !m_Phrases.back().finished)
        m_Phrases.back().marked = marked;
}

void CPassVerdicts::Hard()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    if (!m_Phrases.empty() && !m_Phrases.back().finished)
        m_Phrases.back().hard = true;
}

void CPassVerdicts::Written()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    const bool phrase = !m_Phrases.empty() && !m_Phrases.back().finished;
    m_Written.push_back(phrase ? static_cast<int>(m_Phrases.size()) - 1 : -1);
    if (phrase)
        m_Phrases.back().written = true;
}

void CPassVerdicts::TakenBack()
{
    std::lock_guard<std::mutex> lk(m_Lock);
    if (m_Written.empty())
        return;
    const int index = m_Written.back();
    m_Written.pop_back();
    if (index >= 0) {
        SPhrase& p = m_Phrases[static_cast<std::size_t>(index)];
        p.written = p.marked = false;
    }
}

std::vector<SVerdict> CPassVerdicts::Verdicts() const
{
    std::lock_guard<std::mutex> lk(m_Lock);
    std::vector<SVerdict> verdicts;
    for (const SPhrase& p : m_Phrases)
        if (p.marked || p.written || p.finished)
            verdicts.push_back(SVerdict{p.text1, p.text2, p.marked || p.written, p.hard});
    return verdicts;
}

CPassVerdicts& PassVerdicts()
{
    static CPassVerdicts verdicts;
    return verdicts;
}
