#pragma once
// The key a card is looked up by: a 64-bit hash of its two texts and its direction.

#include <cstdint>
#include <string>

namespace memory {

// FNV-1a over the lengths and bytes of both texts and the direction. Stored in the file, so it
// never changes; two cards may share a key (the texts are compared on a hit).
inline long long CardKey(const std::string& text1, const std::string& text2, int direction)
{
    std::uint64_t h = 14695981039346656037ull;
    auto add = [&h](const char* bytes, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            h ^= static_cast<unsigned char>(bytes[i]);
            h *= 1099511628211ull;
        }
    };
    const std::uint64_t sizes[] = {text1.size(), text2.size(), static_cast<std::uint64_t>(direction)};
    for (std::uint64_t size : sizes) {
        unsigned char le[8];
        for (int i = 0; i < 8; ++i)
            le[i] = static_cast<unsigned char>(size >> (8 * i));
        add(reinterpret_cast<const char*>(le), sizeof le);
    }
    add(text1.data(), text1.size());
    add(text2.data(), text2.size());
    return static_cast<long long>(h);
}

} // namespace memory
