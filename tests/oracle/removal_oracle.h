// What a start and a removal run must do on a machine state, written from the
// tool's decision tables alone: results, messages in order, what is deleted, the
// result rows and the final texts.
#pragma once
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "tests/oracle/machine_model.h"

namespace model {

// Stands for the getenv message, whose number is whatever errno holds.
extern const char GETENV_MESSAGE[];

struct PredictedRow {
  int outcome;
  int kind;
  std::string version;
  std::string name;
};

struct Prediction {
  int startup = 0;
  std::vector<std::string> messages;
  std::string captions[3];  // empty: the template's text stays
  int results[3] = {0, 0, 0};
  std::set<std::string> removedRegistry;  // snapshot lines: folded key, or key " :" value
  std::set<std::string> removedFiles;     // below the sandbox
  std::vector<PredictedRow> rows;
  std::string lines[3], outcomes[3], advice;
};

// path maps a sandbox-relative path to the path the tool sees.
Prediction Predict(const Machine& machine, const std::function<std::string(const std::string&)>& path);

// Where the seeder puts things, shared with the oracle.
std::string ProductFolder(int index);      // sandbox-relative
std::string InfoFolderOf(int index);       // sandbox-relative
extern const char PROGRAM_FILES[];         // sandbox-relative

}  // namespace model
