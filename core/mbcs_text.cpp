#include "core/mbcs_text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t Cp932FitLength(const char* text, std::size_t maxBytes) {
  std::size_t at = 0;
  while (at < maxBytes && text[at] != '\0') {
    std::size_t width = IsCp932LeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
    // A lead byte without its trail byte (a text already cut) is dropped too.
    if (at + width > maxBytes || (width == 2 && text[at + 1] == '\0')) break;
    at += width;
  }
  return at;
}

void CopyText(char* buffer, std::size_t size, const char* text) {
  if (size == 0) return;
  std::memset(buffer, 0, size);
  std::memcpy(buffer, text, Cp932FitLength(text, size - 1));
}

bool FormatPath(char* buffer, std::size_t size, const char* format, ...) {
  std::memset(buffer, 0, size);
  va_list args;
  va_start(args, format);
  int length = std::vsnprintf(buffer, size, format, args);
  va_end(args);
  if (length < 0 || static_cast<std::size_t>(length) >= size) {
    std::memset(buffer, 0, size);
    return false;
  }
  return true;
}

void FormatText(char* buffer, std::size_t size, const char* format, ...) {
  std::memset(buffer, 0, size);
  va_list args;
  va_start(args, format);
  int length = std::vsnprintf(buffer, size, format, args);
  va_end(args);
  if (length < 0) {
    std::memset(buffer, 0, size);
    return;
  }
  // vsnprintf cuts at a byte; step back to a character boundary.
  std::size_t kept = Cp932FitLength(buffer, size - 1);
  std::memset(buffer + kept, 0, size - kept);
}

int CompareAsciiNoCase(const char* left, const char* right) {
  auto fold = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c; };
  for (;; ++left, ++right) {
    unsigned char l = fold(static_cast<unsigned char>(*left));
    unsigned char r = fold(static_cast<unsigned char>(*right));
    if (l != r) return l < r ? -1 : 1;
    if (l == 0) return 0;
  }
}

std::string FoldAsciiCase(const std::string& text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (IsCp932LeadByte(c) && i + 1 < text.size()) {
      folded += text[i];
      folded += text[++i];
      continue;
    }
    folded += static_cast<char>((c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c);
  }
  return folded;
}

const char* FileNamePart(const char* path) {
  const char* name = path;
  for (const char* at = path; *at != '\0';) {
    unsigned char c = static_cast<unsigned char>(*at);
    if (IsCp932LeadByte(c) && at[1] != '\0') {
      at += 2;
      continue;
    }
    ++at;
    if (c == '\\' || c == '/' || c == ':') name = at;
  }
  return name;
}
