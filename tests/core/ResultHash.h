#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace korvanel::test {

// FNV-1a over the bytes of a family of results, the same on every compiler
// and library: one recorded number says whether thousands of results are
// still as they were.
struct ResultHash {
  void Add(const void* bytes, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      value = (value ^ static_cast<const unsigned char*>(bytes)[i]) * 0x100000001B3;
    }
  }
  std::uint64_t value = 0xCBF29CE484222325;
};

inline double FromBits(std::uint64_t bits) {
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace korvanel::test
