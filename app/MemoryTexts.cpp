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
    int index = kLclFailed;
    switch (notice.kind) {
    case keeper::ENotice::kSetAside: index = kLclSetAside; break;
    case keeper::ENotice::kNewer: index = kLclNewer; break;
    case keeper::ENotice::kFailed: index = kLclFailed; break;
    case keeper::ENotice::kNotStored: index = kLclNotStored; break;
    }
    return LclText(index, "%1").arg(FromPath(notice.detail));
}
