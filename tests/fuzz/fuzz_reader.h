// Reads a fuzzer's input as a stream of choices; past the end every byte is 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace umrido::testing {

struct FuzzReader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t pos = 0;
  bool More() const { return pos < size; }
  std::uint8_t Byte() { return pos < size ? data[pos++] : 0; }
  // Up to `limit - 1` bytes as a text, its length chosen by the next byte.
  std::string Bytes(std::size_t limit = 24) {
    const std::size_t n = Byte() % limit;
    std::string s;
    for (std::size_t i = 0; i < n && More(); ++i) s += static_cast<char>(Byte());
    return s;
  }
};

}  // namespace umrido::testing
