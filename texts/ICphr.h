#pragma once
// A cipher for one block of a hidden file. Blocks carry their length, so that any byte,
// zero included, passes through unchanged in meaning.

class ICphr {
public:
    virtual ~ICphr() = default;
    // Builds and checks the cipher; 0 on success.
    virtual int Init() = 0;
    // The block size in characters (0: any length).
    virtual int GetStrFixedSize() = 0;
    // Enciphers len characters of src into dst and puts a zero after them; 0 on success.
    virtual int Code(char* dst, const char* src, int len) = 0;
    virtual int Decode(char* dst, const char* src, int len) = 0;
};

// The longest block a cipher handles; its buffers hold this many characters and a zero.
constexpr int MAX_SMART_FILE_STR_SZ = 1024;
