// Fields of the fixed-size record files, written and read one by one at byte offsets:
// little-endian int32 and float32, and ShortString[N] (a length byte and N bytes).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace base {

void PutInt32(std::string& record, std::size_t offset, int32_t value);
int32_t GetInt32(std::string_view record, std::size_t offset);
void PutFloat32(std::string& record, std::size_t offset, float value);
float GetFloat32(std::string_view record, std::size_t offset);

// Stores text cut to its first `capacity` bytes (even inside a double-byte character);
// the bytes behind the text are zeroed. Takes capacity + 1 bytes.
void PutShortString(std::string& record, std::size_t offset, std::size_t capacity,
                    std::string_view text);
// Reads the text back; a length byte above the capacity counts as the capacity.
std::string GetShortString(std::string_view record, std::size_t offset, std::size_t capacity);

}  // namespace base
