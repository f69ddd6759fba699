// How a registry snapshot names its entries, the same on both test machines: keys
// and value names without ASCII case (as the registry compares them), data as hex.
#pragma once
#include <cstdint>
#include <string>

#include "core/mbcs_text.h"

inline std::string SnapshotKeyLine(const std::string& key) { return FoldAsciiCase(key); }

inline std::string SnapshotValueLine(const std::string& key, const std::string& name) {
  return FoldAsciiCase(key) + " :" + FoldAsciiCase(name);
}

inline std::string SnapshotValueData(std::uint32_t type, const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string text = "type " + std::to_string(type) + " ";
  for (unsigned char c : bytes) {
    text += digits[c >> 4];
    text += digits[c & 15];
  }
  return text;
}
