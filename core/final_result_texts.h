// The texts of the final result dialog, as a pure function of the rows of a run.
#pragma once
#include <cstddef>
#include <string>

#include "core/result_table.h"

constexpr std::size_t FINAL_RESULT_LINES = 3;
constexpr std::size_t FINAL_RESULT_LINE_SIZE = 64;

struct FinalResultTexts {
  char names[FINAL_RESULT_LINES][FINAL_RESULT_LINE_SIZE];  // "・" and the name
  const char* outcomes[FINAL_RESULT_LINES];                // never null
  std::string advice;
};

// Rows past the third have no line of their own but still count for the advice.
FinalResultTexts ComposeFinalResultTexts(const ResultRows& rows);
