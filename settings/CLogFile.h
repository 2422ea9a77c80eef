#pragma once
// The log file, Lexido.log in the program folder.

#include "base/IOutFile.h"

#include <string>

// The log "Lexido.log": emptied when made, then one open-append-close per message, so that a
// message is on disk before Write returns, also when the process ends right after it.
class CLogFile : public IOutFile {
public:
    static constexpr std::size_t kMaxText = 1024; // texts of this length or longer are refused

    CLogFile(const char* name, const char* folder);
    // False when the path does not fit or the file cannot be created.
    bool IsValid() const { return m_Valid; }

    int Write(const char* text) override;
    int WriteFatal(const char* text) override;
    int RequestShutDown() override;

    const std::string& GetPath() const { return m_Path; }

private:
    std::string m_Path;
    bool m_Valid;
};
