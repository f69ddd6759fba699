// Shift_JIS (code page 932) text helpers. A trail byte may be 0x5C ('\') or an ASCII
// letter, so texts are cut, split and searched only at character boundaries.
#pragma once
#include <cstddef>
#include <string>

bool IsCp932LeadByte(unsigned char byte);

// Length of the longest prefix of text, at most maxBytes long, that ends on a
// character boundary.
std::size_t Cp932FitLength(const char* text, std::size_t maxBytes);

// Copies text into a zero-filled buffer, cut at a character boundary if it does not fit.
void CopyText(char* buffer, std::size_t size, const char* text);

// Formats into a zero-filled buffer. A path that would not fit is never cut: the buffer
// is left all zero and false is returned.
bool FormatPath(char* buffer, std::size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));

// Formats a text to be shown; one that would not fit is cut at a character boundary.
void FormatText(char* buffer, std::size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));

// _stricmp in the C locale: only A-Z and a-z compare without case, byte by byte.
int CompareAsciiNoCase(const char* left, const char* right);

// The text with A-Z turned into a-z; a double-byte character is left as it is.
std::string FoldAsciiCase(const std::string& text);

// The file name with extension of a path whose separators are '\', '/' or ':'.
const char* FileNamePart(const char* path);
