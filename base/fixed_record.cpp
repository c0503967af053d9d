#include "base/fixed_record.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace base {

void PutInt32(std::string& record, std::size_t offset, int32_t value) {
  assert(offset + 4 <= record.size());
  auto u = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) record[offset + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

int32_t GetInt32(std::string_view record, std::size_t offset) {
  assert(offset + 4 <= record.size());
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) {
    u |= static_cast<uint32_t>(static_cast<unsigned char>(record[offset + i])) << (8 * i);
  }
  return static_cast<int32_t>(u);
}

void PutFloat32(std::string& record, std::size_t offset, float value) {
  uint32_t u;
  std::memcpy(&u, &value, 4);
  PutInt32(record, offset, static_cast<int32_t>(u));
}

float GetFloat32(std::string_view record, std::size_t offset) {
  auto u = static_cast<uint32_t>(GetInt32(record, offset));
  float f;
  std::memcpy(&f, &u, 4);
  return f;
}

void PutShortString(std::string& record, std::size_t offset, std::size_t capacity,
                    std::string_view text) {
  assert(capacity <= 255 && offset + capacity + 1 <= record.size());
  std::size_t len = std::min(text.size(), capacity);
  record[offset] = static_cast<char>(len);
  std::copy_n(text.data(), len, record.begin() + static_cast<std::ptrdiff_t>(offset + 1));
  std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(offset + 1 + len), capacity - len, '\0');
}

std::string GetShortString(std::string_view record, std::size_t offset, std::size_t capacity) {
  assert(offset + capacity + 1 <= record.size());
  std::size_t len = std::min<std::size_t>(static_cast<unsigned char>(record[offset]), capacity);
  return std::string(record.substr(offset + 1, len));
}

}  // namespace base
