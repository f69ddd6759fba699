// One product's outcome in a removal run, and the rows of a run.
#pragma once
#include <cstdint>

#include "core/product_catalogue.h"
#include "core/value_array.h"

struct RESULT_TABLE {
  std::int32_t nResult;  // RemovalOutcome
  std::int32_t nKind;    // ProductKind
  char szVersion[8];
  char szName[64];
};

using ResultRows = ValueArray<RESULT_TABLE>;

// A zero-filled row with its texts copied in, cut at a character boundary if ever
// too long.
RESULT_TABLE MakeResultRow(RemovalOutcome outcome, ProductKind kind, const char* version, const char* name);

// -1 when the procedure failed, else 0 or 1 by the kind's bit in the removed mask.
RemovalOutcome OutcomeOf(int procedureResult, ProductKind kind, std::uint32_t removedMask);
