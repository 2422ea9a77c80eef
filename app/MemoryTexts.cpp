#include "app/MemoryTexts.h"

#include "app/WindowTexts.h"
#include "qttext/CodePageText.h"

#include <QFileInfo>

namespace {
constexpr int kDueToday = 502, kReviewHint = 503, kMoreFiles = 504, kFileForms = 505, kNothingDue = 506,
              kPhraseForms = 501;
} // namespace

QStringList WelcomeDueLines(const keeper::SDueToday& due, int mostFiles)
{
    if (due.total <= 0)
        return {LclText(kNothingDue, "Nothing is due today.")};
    QStringList lines{LclText(kDueToday, "%1 due today").arg(LclCountText(due.total, kPhraseForms))};
    const int files = int(due.files.size());
    for (int i = 0; i < files && i < mostFiles; ++i) {
        const keeper::SFileDue& f = due.files[std::size_t(i)];
        const QFileInfo file(FromPath(f.file));
        lines << LclNumberText(f.count) + "    " + file.fileName() + "    " + file.absolutePath();
    }
    if (files > mostFiles)
        lines << LclText(kMoreFiles, "and %1 more").arg(LclCountText(files - mostFiles, kFileForms));
    lines << LclText(kReviewHint, "Review them: Run > Review Due (Ctrl+R)");
    return lines;
}

std::string MemoryNoticeText(const keeper::SNotice& notice)
{
    switch (notice.kind) {
    case keeper::ENotice::kSetAside: return "The memory of phrases was damaged and set aside at " + notice.detail;
    case keeper::ENotice::kNewer: return "The memory of phrases is from a newer Lexido: practice goes on without it.";
    case keeper::ENotice::kFailed: return "The memory of phrases cannot be opened: " + notice.detail;
    case keeper::ENotice::kNotStored: return "The reviews of this pass were not stored: " + notice.detail;
    }
    return std::string();
}
