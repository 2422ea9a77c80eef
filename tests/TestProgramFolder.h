#pragma once
// A temporary program folder for each test: the shipped Settings, an empty DfltRslts, made the
// current directory, with the factory and the log in place as start-up leaves them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

class CLsnAFc;

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the log (emptied) in the folder and sets g_pILogFile.
    void MakeLog();
    // Opens the database over Settings/ and sets g_pIDbVars.
    void OpenDatabase();
    // Removes every shipped .cfg file, leaving Settings/ empty.
    void ClearSettings();
    // Installs the shipped source texts (Settings/Texts_Src/...) and the empty folders the text
    // makers write into (Text/Alice/<pair>/, Text/Conversational Guide/<pair>/).
    void InstallShippedTexts();

    std::string Path(const std::string& rel) const { return m_Dir + "/" + rel; }
    void WriteFile(const std::string& rel, const std::string& bytes) const;
    std::string ReadFile(const std::string& rel) const;
    std::string Log() const { return ReadFile("Lexido.log"); }
    static std::string ShippedFile(const std::string& rel);

    std::string m_Dir;

private:
    std::string m_OldCwd;
};

// The bytes of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
