// Build step: converts the UTF-8 masters of the shipped source texts into their code pages.
// Usage: lexido_srctxt_cnv <masters folder> <output folder>

#include "data/tools/SrcTxtCnv.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <masters folder> <output folder>\n";
        return 2;
    }
    return CnvrtMstrTree(argv[1], argv[2], std::cerr);
}
