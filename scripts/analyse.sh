#!/usr/bin/env bash
# Static and dynamic analysis of the portable core: cppcheck, clang-tidy (with the
# committed .clang-tidy), the native tests once under valgrind memcheck, and the
# libFuzzer target for a bounded time. Run by scripts/test.sh; each part fails the run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
fuzz_seconds="${INSDEL_FUZZ_SECONDS:-30}"

echo "== cppcheck"
cppcheck --quiet --error-exitcode=1 --enable=warning,style,performance,portability --std=c++17 --language=c++ \
  --inline-suppr -I . core platform/native

echo "== clang-tidy"
# clang knows neither code page 932 nor two of gcc's warnings: drop them from the
# commands it reads.
cmake --preset native >/dev/null
tidy_db=build/clang-tidy
mkdir -p "$tidy_db"
sed 's/ -fexec-charset=CP932//g; s/ -finput-charset=UTF-8//g; s/ -Wduplicated-cond//g; s/ -Wlogical-op//g' \
  build/native/compile_commands.json > "$tidy_db/compile_commands.json"
ls core/*.cpp platform/native/*.cpp | xargs -P 2 -n 4 clang-tidy -p "$tidy_db" --quiet 2>/dev/null

echo "== valgrind memcheck (native tests without sanitizers)"
cmake --preset memcheck >/dev/null
cmake --build --preset memcheck
INSDEL_STATES=300 valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
  build/memcheck/tests/engine_native_tests --gtest_brief=1

echo "== libFuzzer, ${fuzz_seconds} s"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/corpus build/fuzz/artifacts
build/fuzz/final_texts_fuzzer -max_total_time="$fuzz_seconds" -print_final_stats=1 \
  -artifact_prefix=build/fuzz/artifacts/ build/fuzz/corpus 2>&1 | grep -E "^(Done|stat::number_of_executed_units)"
