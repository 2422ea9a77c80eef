#pragma once
// Unix domain sockets for a line handed from one process of the user to another: the listening
// end, its connections, and the asking end that sends a line and reads the answer's line.

#include <string>

namespace plat {

// A socket listening at path, which lies in a folder of the user alone; the socket file is the
// user's alone too (0600). One already there (left by a process that is gone; the caller holds
// the guard) is replaced. -1 on failure.
// The descriptor does not block.
int ListenLocal(const std::string& path);

// A connection waiting at the listener, not blocking; -1 when none waits.
int AcceptLocal(int listener);

// What the connection has now, appended to bytes without blocking; false once the other end
// closed it or it failed.
bool ReadLocal(int fd, std::string& bytes);

// Sends bytes whole (the connection's buffer takes a short line at once); false on failure.
bool WriteLocal(int fd, const std::string& bytes);

void CloseLocal(int fd);

// Connects to path, sends line and waits for one line back (without its line feed), each step
// within waitMs; false when nobody listens there or no answer came in time.
bool AskLocal(const std::string& path, const std::string& line, std::string& answer, int waitMs);

} // namespace plat
