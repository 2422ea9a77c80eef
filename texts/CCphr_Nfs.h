#pragma once
// The cipher of a hidden file's last, short block: a plain copy.

#include "texts/ICphr.h"

// The last, shorter block of a hidden file is stored as it is: this cipher copies.
class CCphr_Nfs : public ICphr {
public:
    int Init() override { return 0; }
    int GetStrFixedSize() override { return 0; }
    // Copy at most MAX_SMART_FILE_STR_SZ characters; dst holds that many and a zero.
    int Code(char* dst, const char* src, int len) override;
    int Decode(char* dst, const char* src, int len) override { return Code(dst, src, len); }
};
