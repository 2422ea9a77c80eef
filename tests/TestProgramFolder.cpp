#include "tests/TestProgramFolder.h"

#include "base/Globals.h"
#include "base/IOutFile.h"
#include "config/IDbVars.h"
#include "platform/PlatFs.h"
#include "settings/CLsnAFc.h"
#include "settings/ILsnFont.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string ProgramFolderTest::ShippedFile(const std::string& rel)
{
    return ReadWholeFile(std::string(LEXIDO_DATA_DIR) + "/" + rel);
}

void ProgramFolderTest::SetUp()
{
    char tmpl[] = "/tmp/lexido-test-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    m_Dir = tmpl;
    fs::copy(fs::path(LEXIDO_DATA_DIR) / "Settings", fs::path(m_Dir) / "Settings", fs::copy_options::recursive);
    fs::create_directories(fs::path(m_Dir) / "DfltRslts");
    m_OldCwd = plat::CurrentDir();
    ASSERT_TRUE(plat::SetCurrentDir(m_Dir));
    g_pILsnAFc = new CLsnAFc;
}

void ProgramFolderTest::TearDown()
{
    delete g_pILsnFont;
    g_pILsnFont = nullptr;
    delete g_pIDbVars;
    g_pIDbVars = nullptr;
    delete g_pILogFile;
    g_pILogFile = nullptr;
    delete g_pILsnAFc;
    g_pILsnAFc = nullptr;
    g_hWndView = nullptr;
    plat::SetCurrentDir(m_OldCwd);
    std::error_code ec;
    fs::remove_all(m_Dir, ec);
}

void ProgramFolderTest::MakeLog()
{
    delete g_pILogFile;
    g_pILogFile = g_pILsnAFc->Create_ILogFile("Lexido.log", m_Dir.c_str());
    ASSERT_NE(g_pILogFile, nullptr);
}

void ProgramFolderTest::OpenDatabase()
{
    delete g_pIDbVars;
    g_pIDbVars = g_pILsnAFc->Create_IDbVars();
    ASSERT_NE(g_pIDbVars, nullptr);
    ASSERT_EQ(g_pIDbVars->Open(g_pILogFile, m_Dir.c_str()), 0);
}

void ProgramFolderTest::ClearSettings()
{
    for (const auto& e : fs::directory_iterator(fs::path(m_Dir) / "Settings"))
        if (e.path().extension() == ".cfg")
            fs::remove(e.path());
}

void ProgramFolderTest::InstallShippedTexts()
{
    fs::copy(LEXIDO_TEXTS_DIR, m_Dir, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void ProgramFolderTest::WriteFile(const std::string& rel, const std::string& bytes) const
{
    fs::create_directories(fs::path(Path(rel)).parent_path());
    std::ofstream out(Path(rel), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ProgramFolderTest::ReadFile(const std::string& rel) const
{
    return ReadWholeFile(Path(rel));
}
