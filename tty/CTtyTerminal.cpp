#include "tty/CTtyTerminal.h"

#include "platform/PlatExit.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace tty {

namespace {

// Everything a signal handler touches is plain data set up before the handlers are installed.
termios g_Saved;
std::atomic<bool> g_Active{false};
int g_WakePipe[2] = {-1, -1};
volatile sig_atomic_t g_Resized = 0;
volatile sig_atomic_t g_Quit = 0;

constexpr char kLeave[] = "\x1b[0m\x1b[?25h\x1b[?1049l";
constexpr int kEscapeWaitMs = 30; // a lone Escape: no sequence bytes follow within this time

void RestoreNow()
{
    if (!g_Active.exchange(false))
        return;
    ssize_t ignored = write(STDOUT_FILENO, kLeave, sizeof kLeave - 1);
    (void)ignored;
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_Saved);
}

void WakeNow()
{
    if (g_WakePipe[1] >= 0) {
        const char b = 0;
        ssize_t ignored = write(g_WakePipe[1], &b, 1);
        (void)ignored;
    }
}

void OnResize(int)
{
    g_Resized = 1;
    WakeNow();
}

void OnQuit(int)
{
    g_Quit = 1;
    WakeNow();
}

// A signal that would end the process ends it with the terminal restored.
void OnFatalSignal(int sig)
{
    RestoreNow();
    std::signal(sig, SIG_DFL);
    raise(sig);
}

} // namespace

bool CTtyTerminal::Enter()
{
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO) || tcgetattr(STDIN_FILENO, &g_Saved) != 0)
        return false;
    if (g_WakePipe[0] < 0 && pipe2(g_WakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    termios raw = g_Saved;
    // Keys arrive one by one and unechoed; Ctrl+C, Ctrl+S, Ctrl+Q and Enter come as bytes, and
    // output keeps its line-feed translation.
    raw.c_iflag &= ~(BRKINT | ICRNL | INPCK | ISTRIP | IXON);
    raw.c_lflag &= ~(ECHO | ICANON | IEXTEN | ISIG);
    raw.c_cflag |= CS8;
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    if (tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw) != 0)
        return false;
    g_Active = true;
    plat::SetExitCleanup(&RestoreNow);
    std::signal(SIGWINCH, OnResize);
    std::signal(SIGINT, OnQuit);
    std::signal(SIGTERM, OnQuit);
    std::signal(SIGHUP, OnFatalSignal);
    std::signal(SIGQUIT, OnFatalSignal);
    std::signal(SIGSEGV, OnFatalSignal);
    std::signal(SIGABRT, OnFatalSignal);
    Write("\x1b[?1049h\x1b[?25l\x1b[2J");
    return true;
}

void CTtyTerminal::Restore()
{
    RestoreNow();
}

CTtyTerminal::~CTtyTerminal()
{
    RestoreNow();
}

void CTtyTerminal::Size(int& rows, int& cols) const
{
    winsize ws{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &ws) == 0 && ws.ws_row > 0 && ws.ws_col > 0) {
        rows = ws.ws_row;
        cols = ws.ws_col;
    } else {
        rows = 24;
        cols = 80;
    }
}

void CTtyTerminal::Wake()
{
    WakeNow();
}

void CTtyTerminal::Write(const std::string& bytes) const
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

bool CTtyTerminal::TakeResized()
{
    const bool resized = g_Resized != 0;
    g_Resized = 0;
    return resized;
}

bool CTtyTerminal::QuitRequested()
{
    return g_Quit != 0;
}

// A byte of standard input, -1 on time-out, -2 on a wake-up, -3 at the end of the input.
int CTtyTerminal::ReadByte(int timeoutMs)
{
    pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {g_WakePipe[0], POLLIN, 0}};
    const int n = poll(fds, 2, timeoutMs);
    if (n <= 0)
        return -1;
    if (fds[1].revents & POLLIN) {
        char drain[64];
        while (read(g_WakePipe[0], drain, sizeof drain) > 0) {
        }
        return -2;
    }
    unsigned char b = 0;
    if (read(STDIN_FILENO, &b, 1) != 1)
        return -3;
    return b;
}

Key CTtyTerminal::DecodeEscape()
{
    Key key;
    const int b1 = ReadByte(kEscapeWaitMs);
    if (b1 < 0 || (b1 != '[' && b1 != 'O')) {
        key.kind = KeyKind::Char;
        key.text = "\x1b";
        return key; // a lone Escape; a byte that is no sequence is dropped with it
    }
    std::string seq;
    for (int i = 0; i < 8; ++i) {
        const int b = ReadByte(kEscapeWaitMs);
        if (b < 0)
            break;
        seq += static_cast<char>(b);
        if ((b >= 'A' && b <= 'Z') || b == '~')
            break;
    }
    struct { const char* seq; KeyKind kind; } const table[] = {
        {"A", KeyKind::Up}, {"B", KeyKind::Down}, {"5~", KeyKind::PageUp}, {"6~", KeyKind::PageDown},
        {"H", KeyKind::Home}, {"1~", KeyKind::Home}, {"7~", KeyKind::Home}, {"F", KeyKind::End},
        {"4~", KeyKind::End}, {"8~", KeyKind::End}, {"P", KeyKind::F1}, {"Q", KeyKind::F2},
        {"R", KeyKind::F3}, {"S", KeyKind::F4}, {"11~", KeyKind::F1}, {"12~", KeyKind::F2},
        {"13~", KeyKind::F3}, {"14~", KeyKind::F4}, {"15~", KeyKind::F5}, {"17~", KeyKind::F6},
        {"18~", KeyKind::F7}, {"19~", KeyKind::F8}, {"20~", KeyKind::F9}, {"21~", KeyKind::F10},
    };
    for (const auto& entry : table)
        if (seq == entry.seq)
            key.kind = entry.kind;
    return key; // an unknown sequence reads as no key
}

Key CTtyTerminal::ReadKey(int timeoutMs)
{
    Key key;
    const int b = ReadByte(timeoutMs);
    if (b == -2) {
        key.kind = KeyKind::Wake;
        return key;
    }
    if (b == -3) {
        g_Quit = 1; // the terminal went away
        key.kind = KeyKind::Wake;
        return key;
    }
    if (b < 0)
        return key;
    if (b == 0x1b)
        return DecodeEscape();
    key.kind = KeyKind::Char;
    key.text = static_cast<char>(b);
    // The continuation bytes of a UTF-8 character follow at once.
    const int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    for (int i = 0; i < more; ++i) {
        const int c = ReadByte(kEscapeWaitMs);
        if (c < 0)
            break;
        key.text += static_cast<char>(c);
    }
    return key;
}

} // namespace tty
