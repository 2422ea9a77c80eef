#include "app/PassSummary.h"

#include "app/WindowTexts.h"
#include "base/Globals.h"
#include "engine/CPassProgress.h"
#include "engine/DrillCommands.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "engine/MemoryKeeper.h"
#include "qttext/CodePageText.h"
#include "resources/Resources.h"
#include "texts/PhraseList.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
QString Command(int index, const char* fallback)
{
    return LclText(index, fallback).remove('&').section('\t', 0, 0);
}
} // namespace

SPassSummary MakePassSummary(const SPassProgress& p, int direction)
{
    SPassSummary s;
    const QString file = QString::fromLocal8Bit(p.file.c_str());
    s.title = (p.completed ? LclText(618, "Pass %1 over %2 is finished") : LclText(619, "Pass %1 over %2 was stopped"))
                  .arg(p.pass)
                  .arg(file);
    s.counts = LclText(620, "Shown: %1, marked: %2").arg(p.index).arg(p.marked);
    if (p.marked > 0 && drill::CanRunNextIteration()) {
        s.next << LclText(623, "Enter: %1 (the marked phrases again)").arg(Command(28, "Next Iteration"));
        s.enterCommand = res::ID_RUN_NEXTITERATION;
    } else if (drill::CanRunNextFile()) {
        s.next << LclText(624, "Enter: %1").arg(Command(29, "Next File"));
        s.enterCommand = res::ID_RUN_NEXTFILE;
    }
    if (keeper::IsOpen())
        s.next << LclText(625, "Due in the memory today: %1 (Ctrl+R: %2)")
                      .arg(keeper::DueToday(direction).total)
                      .arg(Command(464, "Review Due"));
    std::vector<keeper::SCardTexts> phrases;
    const char* results = g_pIItrtnSrvc ? g_pIItrtnSrvc->GetRsltsFileName() : nullptr;
    if (p.marked > 0 && results && *results && ListCardTexts(results, phrases))
        for (const keeper::SCardTexts& t : phrases)
            s.marked << QString::fromUtf8(t.text1.c_str()) + QString::fromUtf8("  \u2014  ") +
                    QString::fromUtf8(t.text2.c_str());
    s.heading =
        s.marked.isEmpty() ? LclText(622, "Nothing was marked in this pass.") : LclText(621, "Marked in this pass:");
    return s;
}

int DrawPassSummary(QPainter& p, const SPassSummary& s, int left, int top, int width)
{
    const QFont base = p.font();
    const QColor ink = p.pen().color();
    QColor soft = ink;
    soft.setAlphaF(0.7);
    int y = top;
    // One wrapped paragraph in the painter's font as it is set; the space below it follows.
    const auto para = [&](const QString& text, int after) {
        const QRect room(left, y, width, 100000);
        const QRect used = p.fontMetrics().boundingRect(room, Qt::TextWordWrap, text);
        p.drawText(room, Qt::TextWordWrap, text);
        y += used.height() + after;
    };
    QFont title = base;
    title.setPixelSize(QFontInfo(base).pixelSize() * 3 / 2);
    title.setWeight(QFont::DemiBold);
    p.setFont(title);
    para(s.title, QFontMetrics(base).height() / 2);
    p.setFont(base);
    para(s.counts, QFontMetrics(base).height());
    for (const QString& line : s.next)
        para(line, QFontMetrics(base).height() / 3);
    y += QFontMetrics(base).height() / 2;
    p.save();
    p.setPen(QPen(soft, 1));
    p.drawLine(left, y, left + width, y);
    p.restore();
    y += QFontMetrics(base).height() / 2;
    QFont heading = base;
    heading.setWeight(QFont::DemiBold);
    p.setFont(heading);
    para(s.heading, QFontMetrics(base).height() / 3);
    p.setFont(base);
    for (const QString& line : s.marked)
        para(line, QFontMetrics(base).height() / 4);
    return y - top;
}
