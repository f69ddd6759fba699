#!/usr/bin/env bash
# Rewrites a UTF-8 C++ source so that its texts are Shift_JIS written as octal
# escapes: for a compiler without -fexec-charset=CP932 (clang, for the fuzzer).
# Both bytes of a double-byte character are escaped, so a trail byte 0x5C never
# reads as a backslash.
set -euo pipefail
iconv -f UTF-8 -t CP932 "$1" |
  perl -pe 's/([\x81-\x9f\xe0-\xfc][\x40-\x7e\x80-\xfc]|[\x80-\xff])/join("", map { sprintf("\\%03o", ord) } split(m{}, $1))/ge' > "$2"
