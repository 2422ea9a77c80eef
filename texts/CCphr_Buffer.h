#pragma once
// The cipher of a hidden file's full blocks.

#include "texts/ICphr.h"

#include <cstdint>

// Permutes one block of 64 characters by a fixed key: stored[K[i]] = plain[i].
class CCphr_Buffer : public ICphr {
public:
    static constexpr int kCells = 64;
    // The key of this program; a file hidden with another key does not read back.
    static const int kKey[kCells];

    // Tests build the cipher over another table to see Init refuse it.
    explicit CCphr_Buffer(const int* table = kKey, int count = kCells);

    // Loads the key and checks that it is a permutation of 0..63; a key that is not ends the
    // program with its log line.
    int Init() override;
    int GetStrFixedSize() override;
    int Code(char* dst, const char* src, int len) override;
    int Decode(char* dst, const char* src, int len) override;

private:
    // Ends the program with its log line unless the key is a permutation of 0..63.
    void CheckKey();
    void CheckNoSkoppedNumbers();
    // The checked key's entries as the byte cells of a block.
    void FillCells(std::uint8_t* cells) const;

    int m_NumOfCells = 0;
    // The checked key as cells of a block (the table is read by Init only, in place):
    // unsigned bytes index the block with no sign to test, which the sanitizers of the fuzz
    // build check at every cell.
    std::uint8_t m_Cells[kCells];
    char m_CodeWork[kCells];
    char m_DecodeWork[kCells];
    const int* m_pTable;
    int m_TableCount;
};
