#pragma once
// The texts of the memory across days in an interface language: what is due today, the notices
// of the memory keeper, counts with the language's plural forms and digit grouping. All are
// bytes of the language's code page.

#include "engine/MemoryKeeper.h"

#include <string>

class ILocal;

// "12 phrases due today".
std::string DueTodayText(long long count, ILocal& language);
// "Nothing is due today."
std::string NothingDueText(ILocal& language);
// The text that words a notice of this kind (its detail is its %1).
int NoticeTextIndex(keeper::ENotice kind);
// The notice worded for the learner.
std::string NoticeText(const keeper::SNotice& notice, ILocal& language);
// "and 4 more files", below the top files of the welcome page.
std::string MoreFilesText(long long count, ILocal& language);

// The numbers of the memory texts, for the front-ends that show them (the menu caption of
// Review Due among them).
constexpr int kLclDueToday = 460; // three plural forms: 460 to 462
constexpr int kLclNothingDue = 463;
constexpr int kLclReviewDueMenu = 464; // "Review &Due\tCtrl+R"
constexpr int kLclSetAside = 465, kLclNewer = 466, kLclFailed = 467, kLclNotStored = 468;
constexpr int kLclMoreFiles = 469; // three plural forms: 469 to 471
constexpr int kLclReviewKey = 472;
