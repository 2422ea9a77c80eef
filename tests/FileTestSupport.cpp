#include "tests/FileTestSupport.h"

#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/CItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "texts/CPhraseReader.h"
#include "texts/CUtltsFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
bool Take(std::deque<std::optional<std::string>>& answers, std::string& path)
{
    if (answers.empty())
        return false;
    const std::optional<std::string> a = answers.front();
    answers.pop_front();
    if (!a)
        return false;
    path = *a;
    return true;
}
} // namespace

PhrasePairs ReadPhrases(ISmrtFile& f, const std::string& path)
{
    PhrasePairs out;
    if (f.sf_fopen(path.c_str(), "rb") != 0)
        return out;
    CPhraseReader reader(f);
    char a[MAX_PHRASE_FIELD_SZ], b[MAX_PHRASE_FIELD_SZ];
    while (reader.ReadRecord(a, b))
        out.emplace_back(a, b);
    f.sf_fclose();
    return out;
}

std::map<std::string, std::string> Files(const std::string& dir)
{
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            out[fs::relative(e.path(), dir).string()] = ReadWholeFile(e.path().string());
    return out;
}

bool ScriptedDialogs::AskOpenPath(const char* initialPath, const char* filter, std::string& path)
{
    openInitial.emplace_back(initialPath);
    lastFilter = filter;
    return Take(openAnswers, path);
}

bool ScriptedDialogs::AskSavePath(const char* defaultExt, const char* initialName, const char* filter, std::string& path)
{
    saveInitial.emplace_back(initialName);
    lastDefaultExt = defaultExt;
    lastFilter = filter;
    return Take(saveAnswers, path);
}

bool ScriptedDialogs::ConfirmOverwrite(const std::vector<std::string>& existing)
{
    overwriteAsked.push_back(existing);
    return confirmOverwrite;
}

void ScriptedDialogs::ShowFileProblem(FileProblem problem, const char* path)
{
    problems.emplace_back(problem, path);
}

void FakeFileView::ClearText()
{
    text.clear();
    ++clears;
}

void FakeFileView::SetScrollSizes(long t, long p, long l)
{
    total = t;
    page = p;
    line = l;
}

void FakeFileView::SetCaption(const char* c)
{
    caption = c;
    ++captions;
}

void FilesTest::SetUp()
{
    ProgramFolderTest::SetUp();
    MakeLog();
    OpenDatabase();
    int on = 1;
    g_pIDbVars->WrVal("Gnrl", "Logging", PAR_TYPE_INT, &on);
    m_pFiles = new CUtltsFile(m_Dir.c_str());
    g_pIUtltsFile = m_pFiles;
    g_pIItrtnSrvc = new CItrtnSrvc;
    ASSERT_EQ(m_pFiles->Init(), 0);
}

void FilesTest::TearDown()
{
    delete g_pIItrtnSrvc;
    g_pIItrtnSrvc = nullptr;
    delete m_pFiles;
    m_pFiles = nullptr;
    g_pIUtltsFile = nullptr;
    ProgramFolderTest::TearDown();
}

void FilesTest::SetMode(int mode)
{
    g_pIDbVars->WrVal("ViewMode", "Mode", PAR_TYPE_INT, &mode);
}

void FilesTest::RunPass(const std::string& marks)
{
    g_pIItrtnSrvc->BeginPass();
    g_pIItrtnSrvc->MakeRsltsFileName();
    if (!marks.empty()) {
        std::ofstream out(g_pIItrtnSrvc->GetRsltsFileName(), std::ios::binary);
        out << marks;
    }
    g_pIItrtnSrvc->SetIterationStatus(marks.empty() ? ITERATION_STATUS_IS_OVER : ITERATION_STATUS_NEXT);
    g_pIItrtnSrvc->EndPass();
}

std::vector<std::pair<std::string, std::string>> FilesTest::Snapshot() const
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& e : fs::recursive_directory_iterator(m_Dir)) {
        const std::string rel = fs::relative(e.path(), m_Dir).string();
        if (rel.rfind("DfltRslts", 0) == 0 || rel == "current.cut" || rel == "Lexido.log")
            continue;
        files.emplace_back(rel, e.is_regular_file() ? ReadWholeFile(e.path().string()) : std::string("<dir>"));
    }
    std::sort(files.begin(), files.end());
    return files;
}
