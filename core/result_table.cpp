#include "core/result_table.h"

#include <cstring>

#include "core/mbcs_text.h"

RESULT_TABLE MakeResultRow(RemovalOutcome outcome, ProductKind kind, const char* version, const char* name) {
  RESULT_TABLE row;
  std::memset(&row, 0, sizeof row);
  row.nResult = outcome;
  row.nKind = static_cast<std::int32_t>(kind);
  CopyText(row.szVersion, sizeof row.szVersion, version);
  CopyText(row.szName, sizeof row.szName, name);
  return row;
}

RemovalOutcome OutcomeOf(int procedureResult, ProductKind kind, std::uint32_t removedMask) {
  if (procedureResult == -1) return OUTCOME_FAILED;
  return (removedMask & kind) != 0 ? OUTCOME_REMOVED : OUTCOME_ALREADY_REMOVED;
}
