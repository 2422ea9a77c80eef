#include "programs/AnswerJudge.h"

#include "platform/PlatUnicode.h"

#include <algorithm>

namespace {

bool IsEndPunctuation(char32_t u)
{
    return u == U'.' || u == U'!' || u == U'?' || u == U'\u2026' || u == U';' || u == U':' || u == U',';
}

// The character as the marks compare it.
char32_t MarkKey(char32_t u, bool matchCase)
{
    if (plat::IsWhiteSpace(u))
        return U' ';
    return matchCase ? u : plat::FoldChar(u);
}

// One flag per character of t: an alignment of least edits over the keys of both texts.
std::vector<bool> DifferingMiddle(const std::u32string& t, const std::u32string& a);

} // namespace

std::u32string ComparableAnswer(const std::u32string& text, bool matchCase)
{
    const std::u32string composed = plat::Nfc(text);
    std::u32string one;
    one.reserve(composed.size());
    for (const char32_t u : composed) {
        if (!plat::IsWhiteSpace(u))
            one.push_back(u);
        else if (!one.empty() && one.back() != U' ')
            one.push_back(U' ');
    }
    std::size_t begin = 0;
    if (!one.empty() && (one[0] == U'\u00BF' || one[0] == U'\u00A1'))
        begin = 1;
    while (begin < one.size() && one[begin] == U' ')
        ++begin;
    std::size_t end = one.size();
    while (end > begin && (one[end - 1] == U' ' || IsEndPunctuation(one[end - 1])))
        --end;
    const std::u32string trimmed = one.substr(begin, end - begin);
    return matchCase ? trimmed : plat::FoldCase(trimmed);
}

int OsaDistance(const std::u32string& a, const std::u32string& b, int limit)
{
    const std::size_t n = a.size(), m = b.size();
    const int over = limit + 1;
    // Only the cells within limit of the diagonal can stay within limit: the others count as over.
    std::vector<int> before(m + 1, over), last(m + 1, over), row(m + 1, over);
    for (std::size_t j = 0; j <= m; ++j)
        last[j] = std::min(static_cast<int>(j), over);
    for (std::size_t i = 1; i <= n; ++i) {
        const std::size_t from = i > static_cast<std::size_t>(limit) ? i - static_cast<std::size_t>(limit) : 1;
        const std::size_t to = std::min(m, i + static_cast<std::size_t>(limit));
        std::fill(row.begin(), row.end(), over);
        row[0] = std::min(static_cast<int>(i), over);
        int best = row[0];
        for (std::size_t j = from; j <= to; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({last[j] + 1, row[j - 1] + 1, last[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[j - 2] + 1);
            row[j] = std::min(d, over);
            best = std::min(best, row[j]);
        }
        if (best >= over)
            return over; // every way through this row is over already
        std::swap(before, last);
        std::swap(last, row);
    }
    return last[m];
}

EAnswer JudgeAnswer(const std::u32string& typed, const std::u32string& answer, bool matchCase)
{
    const std::u32string t = ComparableAnswer(typed, matchCase), a = ComparableAnswer(answer, matchCase);
    if (t == a)
        return EAnswer::Right;
    const std::u32string bareTyped = plat::WithoutAccents(t), bareAnswer = plat::WithoutAccents(a);
    if (bareTyped == bareAnswer)
        return EAnswer::Almost;
    if (t.empty())
        return EAnswer::Wrong;
    const std::size_t length = bareAnswer.size();
    const int allowed = length < 4 ? 0 : length < 10 ? 1 : 2;
    return OsaDistance(bareTyped, bareAnswer, allowed) <= allowed ? EAnswer::Almost : EAnswer::Wrong;
}

std::vector<bool> DifferingChars(const std::u32string& typed, const std::u32string& answer, bool matchCase)
{
    std::u32string t(typed.size(), U' '), a(answer.size(), U' ');
    std::transform(typed.begin(), typed.end(), t.begin(), [=](char32_t u) { return MarkKey(u, matchCase); });
    std::transform(answer.begin(), answer.end(), a.begin(), [=](char32_t u) { return MarkKey(u, matchCase); });
    // The equal beginning and end are aligned as they stand: the table covers the middle only.
    std::size_t head = 0;
    while (head < t.size() && head < a.size() && t[head] == a[head])
        ++head;
    std::size_t tail = 0;
    while (tail < t.size() - head && tail < a.size() - head && t[t.size() - 1 - tail] == a[a.size() - 1 - tail])
        ++tail;
    std::vector<bool> all(t.size(), false);
    const std::vector<bool> middle =
        DifferingMiddle(t.substr(head, t.size() - head - tail), a.substr(head, a.size() - head - tail));
    std::copy(middle.begin(), middle.end(), all.begin() + static_cast<std::ptrdiff_t>(head));
    return all;
}

namespace {

std::vector<bool> DifferingMiddle(const std::u32string& t, const std::u32string& a)
{
    const std::size_t n = t.size(), m = a.size(), w = m + 1;
    std::vector<int> d((n + 1) * w);
    for (std::size_t i = 0; i <= n; ++i)
        d[i * w] = static_cast<int>(i);
    for (std::size_t j = 0; j <= m; ++j)
        d[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= m; ++j) {
            int v = std::min({d[(i - 1) * w + j] + 1, d[i * w + j - 1] + 1,
                d[(i - 1) * w + j - 1] + (t[i - 1] == a[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && t[i - 1] == a[j - 2] && t[i - 2] == a[j - 1])
                v = std::min(v, d[(i - 2) * w + j - 2] + 1);
            d[i * w + j] = v;
        }
    // Back from the end along one alignment of least edits.
    std::vector<bool> differs(n, false);
    std::size_t i = n, j = m;
    while (i > 0 || j > 0) {
        const int here = d[i * w + j];
        if (i > 0 && j > 0 && t[i - 1] == a[j - 1] && here == d[(i - 1) * w + j - 1]) {
            --i, --j;
        } else if (i > 0 && j > 0 && here == d[(i - 1) * w + j - 1] + 1) {
            differs[--i] = true;
            --j;
        } else if (i > 1 && j > 1 && t[i - 1] == a[j - 2] && t[i - 2] == a[j - 1] &&
            here == d[(i - 2) * w + j - 2] + 1) {
            differs[i - 1] = differs[i - 2] = true;
            i -= 2, j -= 2;
        } else if (i > 0 && here == d[(i - 1) * w + j] + 1) {
            differs[--i] = true;
        } else {
            --j; // a character of the answer not typed: nothing of the typed text to mark
        }
    }
    return differs;
}

} // namespace
