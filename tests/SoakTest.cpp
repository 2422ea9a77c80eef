// Ten thousand passes started, retired mid-wait and replaced, with keys delivered and the control
// switched between keyboard and mouse meanwhile, as the window thread does it. Every step waits
// for what it needs with a time limit, so a deadlock fails the test (and a watchdog ends a run
// that stops moving); the sanitizer builds run it to find races and leaks; the memory in use
// after the first thousand passes and at the end must stay the same within a small margin.
#include "base/Globals.h"
#include "engine/CThread.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"
#include "tests/EngineTest.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <mutex>
#include <random>
#include <thread>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define LEXIDO_SANITIZED_HEAP 1
#endif
#if __has_feature(address_sanitizer)
#define LEXIDO_HEAP_QUARANTINE 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define LEXIDO_SANITIZED_HEAP 1
#endif
#if defined(__SANITIZE_ADDRESS__)
#define LEXIDO_HEAP_QUARANTINE 1
#endif
#ifdef LEXIDO_SANITIZED_HEAP
#include <sanitizer/allocator_interface.h>
#endif

namespace {
struct SMemory {
    long rssKb;
    long heapBytes; // what the program holds allocated
};

SMemory Measure()
{
#ifdef LEXIDO_SANITIZED_HEAP
#ifdef LEXIDO_HEAP_QUARANTINE
    // Freed blocks wait in the quarantine; give them back first, so that the resident size is
    // what the program still holds.
    __sanitizer_purge_allocator();
#endif
    const long heap = static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    malloc_trim(0);
    const long heap = static_cast<long>(mallinfo2().uordblks);
#endif
    long pages = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return {resident * (sysconf(_SC_PAGESIZE) / 1024), heap};
}

// Ends the process with a message when the loop has not moved for a while: a deadlock shows as
// its last step instead of a bare time-out.
class CWatchdog {
public:
    CWatchdog()
        : m_Thread([this] {
              std::unique_lock<std::mutex> lk(m_Lock);
              int seen = -1;
              while (!m_Done) {
                  if (m_Cv.wait_for(lk, std::chrono::seconds(30), [this] { return m_Done; }))
                      break;
                  const int now = m_Pass.load();
                  if (now == seen) {
                      std::fprintf(stderr, "soak: no progress for 30 s at pass %d, step %d\n", now, m_Step.load());
                      std::abort();
                  }
                  seen = now;
              }
          })
    {
    }
    ~CWatchdog()
    {
        {
            std::lock_guard<std::mutex> lk(m_Lock);
            m_Done = true;
        }
        m_Cv.notify_all();
        m_Thread.join();
    }
    void At(int pass, int step)
    {
        m_Pass = pass;
        m_Step = step;
    }

private:
    std::mutex m_Lock;
    std::condition_variable m_Cv;
    bool m_Done = false;
    std::atomic<int> m_Pass{0};
    std::atomic<int> m_Step{0};
    std::thread m_Thread;
};
} // namespace

class SoakTest : public EngineTest {
protected:
    // A key of the current control: a letter typed, or a left press in mouse control.
    int AnyKey() const { return g_pIKbrd->GetKbrdType() == KBRD_TYPE_MOUSE ? 1 : 'k'; }
    void Switch()
    {
        const int to = g_pIKbrd->GetKbrdType() == KBRD_TYPE_MOUSE ? KBRD_TYPE_KEYBOARD : KBRD_TYPE_MOUSE;
        ASSERT_EQ(g_pIKbrd->SetKbrdType(to), 0);
        ASSERT_EQ(g_pIKbrd->GetKbrdType(), to);
    }
    int Count(const std::string& event)
    {
        int n = 0;
        for (const std::string& e : m_pFactory->journal.Events())
            n += e == event;
        return n;
    }
};

TEST_F(SoakTest, TenThousandPassesRetiredAndReplacedMidWaitWhileTheControlSwitches)
{
    constexpr int kPasses = 10000;
    std::mt19937 rng(8122026);
    CWatchdog watchdog;
    SMemory early{0, 0};
    // True while the running pass's latest key wait has been seen and nothing is pending that
    // could begin another: the next pass may then replace it directly.
    bool settled = false;
    int ended = 0;
    for (int pass = 0; pass < kPasses; ++pass) {
        watchdog.At(pass, 0);
        const unsigned r = rng();
        // The mode of the pass (the worker reads it as the pass starts) or an Add Brackets type.
        const bool addBrackets = r % 11 == 10;
        if (!addBrackets)
            SetSetting("ViewMode", "Mode", static_cast<int>(r % 9));
        if (!settled) {
            // Whatever the old pass may still do, it does before the observer is reset.
            ASSERT_EQ(g_pIMfcCmmnProc->RetirePass(), 0);
            ASSERT_EQ(g_pCThrdAp, nullptr);
            m_KeyWait.Reset();
        }
        // Starting retires the pass that waits, then runs the new one.
        ASSERT_EQ(addBrackets ? g_pIMfcCmmnProc->StartADdBrkts(1 + static_cast<int>((r >> 4) % 2))
                              : g_pIMfcCmmnProc->StartFirstItrtn(),
                  0);
        ASSERT_NE(g_pCThrdAp, nullptr);
        watchdog.At(pass, 1);
        settled = false;
        switch ((r >> 8) % 8) {
        case 0: // the control switches before the wait may have begun; no wait is awaited
            Switch();
            break;
        case 1: // replaced before it waited
            break;
        case 2: { // ended by Escape from the learner
            // Every earlier pass has finished: this one's end is the next "finish".
            const int finished = Count("finish");
            PutKeyWhenWaiting(KEY_ESCAPE);
            ASSERT_TRUE(m_pFactory->journal.WaitFor("finish", finished + 1)) << "pass " << pass;
            ++ended;
            settled = true; // its worker is over: no wait can begin
            break;
        }
        case 3: // the control switches while the pass waits, and it waits on the new source
        case 4:
            ASSERT_TRUE(WaitForKeyWait()) << "pass " << pass;
            Switch();
            ASSERT_TRUE(WaitForKeyWait()) << "no wait after the change, pass " << pass;
            settled = true;
            break;
        default: // a key or two, then retired mid-wait
            PutKeyWhenWaiting(AnyKey());
            ASSERT_TRUE(WaitForKeyWait()) << "pass " << pass;
            if (r & (1u << 20)) {
                g_pIKbrd->PutKey(AnyKey());
                ASSERT_TRUE(WaitForKeyWait()) << "pass " << pass;
            }
            settled = true;
        }
        watchdog.At(pass, 2);
        if (pass % 100 == 99) {
            // Now and then retired outright, as a command preparing a file does.
            ASSERT_EQ(g_pIMfcCmmnProc->RetirePass(), 0);
            ASSERT_EQ(g_pCThrdAp, nullptr);
            m_pFactory->journal.Clear(); // the test's own record must not grow
            settled = false;
        }
        // Measured every thousand passes: the sanitizers' quarantine is then emptied often
        // enough to give its memory back.
        if (pass % 1000 == 999) {
            const SMemory now = Measure();
            if (pass == 999)
                early = now;
        }
    }
    ASSERT_EQ(g_pIMfcCmmnProc->RetirePass(), 0);
    m_pFactory->journal.Clear();
    const SMemory late = Measure();
    EXPECT_GT(ended, kPasses / 16);

    // Nothing held per pass: the heap in use is what it was after a thousand passes (a leaked
    // worker or program would be 9000 of them), and the resident size grew by little. The
    // sanitizers' own records of every thread ever run grow by a few hundred bytes a thread;
    // a thread left running or a lost stack would be many kilobytes each.
#ifdef LEXIDO_SANITIZED_HEAP
    constexpr long kRssGrowthKb = 16 * 1024;
#else
    constexpr long kRssGrowthKb = 4 * 1024;
#endif
    EXPECT_LT(late.heapBytes - early.heapBytes, 64 * 1024) << early.heapBytes << " -> " << late.heapBytes;
    EXPECT_LT(late.rssKb - early.rssKb, kRssGrowthKb) << early.rssKb << " kB -> " << late.rssKb << " kB";
    std::printf("soak: heap %ld -> %ld bytes, resident %ld -> %ld kB, %d passes ended by Escape\n", early.heapBytes,
                late.heapBytes, early.rssKb, late.rssKb, ended);

    // Each pass logged its entry and nothing else: no worker outlived its grace period, no
    // key source or program failed to be made.
    std::string rest = Log();
    const std::string entry = "entry into proc CThrdAp::ThreadFunc()";
    std::size_t entries = 0;
    for (std::size_t at = rest.find(entry); at != std::string::npos; at = rest.find(entry, at)) {
        rest.erase(at, entry.size());
        ++entries;
    }
    EXPECT_EQ(entries, static_cast<std::size_t>(kPasses));
    EXPECT_EQ(rest.find_first_not_of('\n'), std::string::npos) << rest.substr(0, 2000);
}
