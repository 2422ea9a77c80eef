#include "import/AnkiArchive.h"

#include "platform/PlatLibrary.h"

#include <zip.h>
#include <zstd.h>

#include <algorithm>
#include <memory>

namespace imp {

namespace {

constexpr std::size_t kChunk = std::size_t(1) << 20;
constexpr std::size_t kMinChunk = std::size_t(16) << 10;

// libzip's functions, looked up when the first package is read: libzip and the libcrypto it
// needs are then loaded, never at a program's start.
#define LEXIDO_ZIP_FUNCTIONS(X)                                                                                        \
    X(zip_discard)                                                                                                     \
    X(zip_fclose) X(zip_stat_init) X(zip_stat_index) X(zip_strerror) X(zip_fopen_index) X(zip_fread)                   \
        X(zip_file_strerror) X(zip_error_init) X(zip_source_buffer_create) X(zip_open_from_source)                     \
            X(zip_error_strerror) X(zip_error_fini) X(zip_source_free) X(zip_name_locate)

struct SZipApi {
#define LEXIDO_ZIP_MEMBER(f) decltype(&::f) f = nullptr;
    LEXIDO_ZIP_FUNCTIONS(LEXIDO_ZIP_MEMBER)
#undef LEXIDO_ZIP_MEMBER
    std::string error; // why the library could not be used; empty when it can
};

const SZipApi& Zip()
{
    static const SZipApi api = [] {
        SZipApi a;
        void* library = plat::OpenLibrary(LEXIDO_LIBZIP_SONAME, a.error);
#define LEXIDO_ZIP_LOOKUP(f)                                                                                           \
    if (a.error.empty() && !(a.f = reinterpret_cast<decltype(a.f)>(plat::LibrarySymbol(library, #f))))                 \
        a.error = LEXIDO_LIBZIP_SONAME " has no " #f;
        LEXIDO_ZIP_FUNCTIONS(LEXIDO_ZIP_LOOKUP)
#undef LEXIDO_ZIP_LOOKUP
        return a;
    }();
    return api;
}

struct SZipClose {
    void operator()(zip_t* z) const { Zip().zip_discard(z); }
};
struct SFileClose {
    void operator()(zip_file_t* f) const { Zip().zip_fclose(f); }
};
struct SZstdFree {
    void operator()(ZSTD_DStream* s) const { ZSTD_freeDStream(s); }
};

// Grows out for n more bytes, doubling up to half the limit and then to the limit and a chunk at
// once: no growth goes past it, and the last one copies half of it at most.
void Grow(std::string& out, std::size_t n)
{
    if (out.size() + n <= out.capacity())
        return;
    const std::size_t wanted = std::max(out.capacity() * 2, out.size() + n);
    out.reserve(wanted > kMaxCollection / 2 ? kMaxCollection + kChunk : wanted);
}

// The room of the next read into out, which holds have bytes: what is still expected and one
// byte more (so that the end shows), the least once all of it came, else (size unknown or
// exceeded) as much as was read so far; within kMinChunk and kChunk. The room is cleared before
// each read: sized so, the clearing costs about as much as the bytes read, and a small collection
// does not clear a whole chunk.
std::size_t Room(std::size_t have, bool known, std::size_t expected)
{
    std::size_t want = have;
    if (known && have < expected)
        want = expected - have + 1;
    else if (known && have == expected)
        want = kMinChunk;
    return std::clamp(want, kMinChunk, kChunk);
}

// The entry's bytes, at most kMaxCollection of them.
Problem ReadEntry(zip_t* zip, zip_int64_t index, std::string& out, std::string& detail)
{
    const SZipApi& z = Zip();
    zip_stat_t st;
    z.zip_stat_init(&st);
    if (z.zip_stat_index(zip, static_cast<zip_uint64_t>(index), 0, &st) != 0) {
        detail = z.zip_strerror(zip);
        return Problem::BadArchive;
    }
    if ((st.valid & ZIP_STAT_SIZE) && st.size > kMaxCollection)
        return Problem::TooLarge;
    const bool known = (st.valid & ZIP_STAT_SIZE) != 0;
    const std::size_t expected = known ? static_cast<std::size_t>(st.size) : 0;
    if (known)
        out.reserve(expected + kMinChunk);
    std::unique_ptr<zip_file_t, SFileClose> file(z.zip_fopen_index(zip, static_cast<zip_uint64_t>(index), 0));
    if (!file) {
        detail = z.zip_strerror(zip);
        return Problem::BadArchive;
    }
    for (;;) {
        const std::size_t room = Room(out.size(), known, expected);
        Grow(out, room);
        const std::size_t at = out.size();
        out.resize(at + room);
        const zip_int64_t n = z.zip_fread(file.get(), &out[at], room);
        if (n < 0) {
            detail = z.zip_file_strerror(file.get());
            return Problem::BadArchive;
        }
        out.resize(at + static_cast<std::size_t>(n));
        if (n == 0)
            return Problem::None;
        if (out.size() > kMaxCollection)
            return Problem::TooLarge;
    }
}

// The zstd frames of in decompressed, at most kMaxCollection bytes of them.
Problem Unzstd(const std::string& in, std::string& out, std::string& detail)
{
    const unsigned long long declared = ZSTD_getFrameContentSize(in.data(), in.size());
    if (declared != ZSTD_CONTENTSIZE_UNKNOWN && declared != ZSTD_CONTENTSIZE_ERROR && declared > kMaxCollection)
        return Problem::TooLarge;
    const bool known = declared != ZSTD_CONTENTSIZE_UNKNOWN && declared != ZSTD_CONTENTSIZE_ERROR;
    const std::size_t expected = known ? static_cast<std::size_t>(declared) : 0;
    if (known)
        out.reserve(expected + kMinChunk);
    std::unique_ptr<ZSTD_DStream, SZstdFree> stream(ZSTD_createDStream());
    ZSTD_inBuffer src{in.data(), in.size(), 0};
    std::size_t last = 1;
    while (src.pos < src.size || last != 0) {
        const std::size_t room = Room(out.size(), known, expected);
        Grow(out, room);
        const std::size_t at = out.size();
        out.resize(at + room);
        ZSTD_outBuffer dst{&out[at], room, 0};
        const std::size_t before = src.pos;
        last = ZSTD_decompressStream(stream.get(), &dst, &src);
        out.resize(at + dst.pos);
        if (ZSTD_isError(last)) {
            detail = std::string("zstd: ") + ZSTD_getErrorName(last);
            return Problem::BadArchive;
        }
        if (out.size() > kMaxCollection)
            return Problem::TooLarge;
        if (dst.pos == 0 && src.pos == before) {
            // Neither input taken nor output made: the frame is cut short.
            detail = "zstd: the compressed collection is cut short";
            return Problem::BadArchive;
        }
    }
    return Problem::None;
}

} // namespace

bool LooksLikeZip(const std::string& bytes)
{
    return bytes.compare(0, 4, "PK\x03\x04") == 0 || bytes.compare(0, 4, "PK\x05\x06") == 0;
}

Problem ReadCollection(const std::string& bytes, std::string& db, std::string& detail)
{
    db.clear();
    const SZipApi& z = Zip();
    if (!z.error.empty()) {
        detail = z.error;
        return Problem::BadArchive;
    }
    zip_error_t error;
    z.zip_error_init(&error);
    zip_source_t* source = z.zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    std::unique_ptr<zip_t, SZipClose> zip(
        source ? z.zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr);
    if (!zip) {
        detail = z.zip_error_strerror(&error);
        z.zip_error_fini(&error);
        if (source)
            z.zip_source_free(source);
        return Problem::BadArchive;
    }
    z.zip_error_fini(&error);
    static const char* const kNames[] = {"collection.anki21b", "collection.anki21", "collection.anki2"};
    for (const char* name : kNames) {
        const zip_int64_t index = z.zip_name_locate(zip.get(), name, 0);
        if (index < 0)
            continue;
        std::string raw;
        Problem p = ReadEntry(zip.get(), index, name == kNames[0] ? raw : db, detail);
        if (p == Problem::None && name == kNames[0])
            p = Unzstd(raw, db, detail);
        if (p != Problem::None)
            db.clear();
        return p;
    }
    return Problem::NoCollection;
}

} // namespace imp
