#include "engine/MemoryKeeper.h"

namespace keeper {

void Open(const std::string&, int) {}
void Close() {}
EState State() { return EState::kClosed; }
bool IsOpen() { return false; }
void SetRetention(int) {}
int Retention() { return kRetentionDefault; }
std::vector<SNotice> TakeNotices() { return {}; }
SDueToday DueToday(int) { return {}; }
SMemoryPage MemoryPage(int) { return {}; }
bool PhrasesOf(const std::string&, int, std::vector<SPhraseMemory>& out, std::string&)
{
    out.clear();
    return true;
}
std::vector<hist::SPassRecord> History() { return {}; }
void NotePassEnded(int, int) {}

} // namespace keeper
