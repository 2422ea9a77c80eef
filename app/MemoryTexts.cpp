#include "app/MemoryTexts.h"

#include "app/WindowTexts.h"
#include "locale/MemoryTexts.h"
#include "qttext/CodePageText.h"

#include <QFileInfo>

QStringList WelcomeDueLines(const keeper::SDueToday& due, int mostFiles)
{
    if (due.total <= 0)
        return {LclText(kLclNothingDue, "Nothing is due today.")};
    QStringList lines{LclPluralText(kLclDueToday, due.total, {LclNumberText(due.total)})};
    const int files = int(due.files.size());
    for (int i = 0; i < files && i < mostFiles; ++i) {
        const keeper::SFileDue& f = due.files[std::size_t(i)];
        const QFileInfo file(FromPath(f.file));
        lines << LclNumberText(f.count) + "    " + file.fileName() + "    " + file.absolutePath();
    }
    if (files > mostFiles)
        lines << LclPluralText(kLclMoreFiles, files - mostFiles, {LclNumberText(files - mostFiles)});
    lines << LclText(kLclReviewKey, "Ctrl+R reviews them.");
    return lines;
}

QString MemoryNoticeText(const keeper::SNotice& notice)
{
    // The detail is a path or the database's reason, in the file system's bytes.
    return LclText(NoticeTextIndex(notice.kind), "%1").arg(FromPath(notice.detail));
}
