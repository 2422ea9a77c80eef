#include "data/tools/SrcTxtCnv.h"

#include "platform/PlatCodePage.h"
#include "platform/PlatFs.h"
#include "platform/PlatUtf8.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* CodePageName(int codePage)
{
    return codePage == plat::kCpCyrillic ? "windows-1251" : "windows-1252";
}

bool IsBlankLine(const std::string& line)
{
    return line.find_first_not_of(' ') == std::string::npos;
}

bool ReadBytes(const fs::path& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    bytes = ss.str();
    return !in.bad();
}

std::vector<fs::path> TxtFilesBelow(const fs::path& dir)
{
    std::vector<fs::path> files;
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return files;
    for (const auto& e : fs::recursive_directory_iterator(dir, ec))
        if (e.is_regular_file() && e.path().extension() == ".txt")
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int MstrCodePage(const std::string& relPath)
{
    for (const auto& part : fs::path(relPath))
        if (part == "Russian" || part == "Ru")
            return plat::kCpCyrillic;
    return plat::kCpWestern;
}

bool CnvrtMstr(const std::string& utf8, int codePage, std::string& out, SCnvrtErr& err)
{
    std::vector<std::string> lines(1);
    int line = 1;
    int column = 0;
    auto refuse = [&](char32_t u, std::string what) {
        err.line = line;
        err.column = column;
        err.chr = u;
        err.what = std::move(what);
        return false;
    };

    std::size_t i = utf8.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (i < utf8.size()) {
        ++column;
        char32_t u = 0;
        if (!plat::NextUtf8(utf8, i, u))
            return refuse(0, "malformed UTF-8");
        if (u == '\r') {
            if (i >= utf8.size() || utf8[i] != '\n')
                return refuse(u, "carriage return without line feed");
            ++i;
            u = '\n';
        }
        if (u == '\n') {
            lines.emplace_back();
            ++line;
            column = 0;
            continue;
        }
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            return refuse(u, "control character");
        unsigned char byte = 0;
        if (!plat::FromUnicode(u, codePage, byte))
            return refuse(u, std::string("character not in ") + CodePageName(codePage));
        lines.back().push_back(static_cast<char>(byte));
    }

    while (!lines.empty() && IsBlankLine(lines.back()))
        lines.pop_back();
    if (lines.empty()) {
        line = 1;
        column = 0;
        return refuse(0, "empty text");
    }
    out.clear();
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return true;
}

std::string FormatCnvrtErr(const std::string& file, const SCnvrtErr& err)
{
    std::string msg = file + ":" + std::to_string(err.line) + ":" + std::to_string(err.column) + ": " + err.what;
    if (err.chr != 0) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(err.chr));
        msg += std::string(" (") + code;
        if (err.chr >= 0x20 && !(err.chr >= 0x7F && err.chr <= 0x9F)) {
            // The character itself, as UTF-8, so that the message shows what to look for.
            std::string c;
            plat::AppendUtf8(err.chr, c);
            msg += " '" + c + "'";
        }
        msg += ")";
    }
    return msg;
}

int CnvrtMstrTree(const std::string& masterDir, const std::string& outDir, std::ostream& msgs)
{
    const std::vector<fs::path> masters = TxtFilesBelow(masterDir);
    if (masters.empty()) {
        msgs << masterDir << ": no *.txt masters below this folder\n";
        return 1;
    }
    bool failed = false;
    std::set<std::string> made;
    for (const auto& path : masters) {
        const std::string rel = fs::relative(path, masterDir).generic_string();
        std::string utf8;
        if (!ReadBytes(path, utf8)) {
            msgs << path.string() << ": cannot be read\n";
            failed = true;
            continue;
        }
        std::string bytes;
        SCnvrtErr err;
        if (!CnvrtMstr(utf8, MstrCodePage(rel), bytes, err)) {
            msgs << FormatCnvrtErr(path.string(), err) << "\n";
            failed = true;
            continue;
        }
        made.insert(rel);
        // Unchanged files keep their time, so the program folder does not take a fresh copy.
        const fs::path dst = fs::path(outDir) / rel;
        std::string old;
        if (ReadBytes(dst, old) && old == bytes)
            continue;
        std::error_code ec;
        fs::create_directories(dst.parent_path(), ec);
        if (!plat::WriteFileAtomic(dst.string(), bytes)) {
            msgs << dst.string() << ": cannot be written\n";
            failed = true;
        }
    }
    if (failed)
        return 1;
    for (const auto& path : TxtFilesBelow(outDir))
        if (!made.count(fs::relative(path, outDir).generic_string())) {
            std::error_code ec;
            fs::remove(path, ec);
        }
    return 0;
}
