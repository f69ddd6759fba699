// What a PC with the products installed looks like to the tool: the registry keys,
// program folders and InstallShield folders the driver seeds, and the neighbours
// that must survive a run.
#pragma once
#include <map>
#include <string>
#include <vector>

namespace e2e {

struct InstallOptions {
  bool ruventa = true;
  bool kesra = true;
  bool selda = true;
  std::string ruventaVersion = "12340";  // empty: no version value
  std::string kesraVersion = "071";
};

// Registry snapshot lines and file snapshot lines, both as win32_seed names them.
struct MachineState {
  std::map<std::string, std::string> registry;
  std::map<std::string, std::string> files;
};

class Installation {
 public:
  // dataRoot: where program folders go; programFiles: what the tool gets as %ProgramFiles%.
  Installation(const std::string& dataRoot, const std::string& programFiles);

  void Seed(const InstallOptions& options);
  // Removes every key and folder seeded.
  void Wipe();

  std::string ProgramFolder(const char* product) const;  // "ルヴェンタ", "ケスラ", "セルダ"
  std::string InstallShieldFolder(const char* code) const;
  const std::string& ProgramFiles() const { return programFiles_; }

  MachineState Snapshot() const;
  // Relative snapshot name of a path below the data root.
  std::string Relative(const std::string& path) const;

 private:
  std::string dataRoot_;
  std::string programFiles_;
};

// Environment entries that point the tool's %ProgramFiles% at the sandbox. A 32-bit
// process on a 64-bit prefix has ProgramFiles set from ProgramFiles(x86) as it starts,
// so both are given.
std::vector<std::string> SandboxEnvironment(const Installation& installation);

// Registry keys, values and files that a run removes, as snapshot names.
struct Removals {
  std::vector<std::string> registry;  // folded "key" or "key :value"; a key goes with its subtree
  std::vector<std::string> files;     // relative; a folder goes with its content
};

extern const char RUVENTA_CODE[];
extern const char KESRA_CODE[];
extern const char SELDA_CODE[];

// What removing each product takes away from a full installation.
Removals RuventaRemovals(const Installation& installation);
Removals KesraRemovals(const Installation& installation);
Removals SeldaRemovals(const Installation& installation);
Removals operator+(Removals left, const Removals& right);

// The state before with exactly those entries gone; each of them must have been there.
MachineState Without(const MachineState& before, const Removals& removals);
// "" when equal, else the differences in readable form.
std::string Differences(const MachineState& expected, const MachineState& actual);

}  // namespace e2e
