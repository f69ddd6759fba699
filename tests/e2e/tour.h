// The driver's modes besides the scenarios.
#pragma once

namespace e2e {

// Seeds all three products into the prefix the driver runs in, for a person to try.
int SeedForPerson();
// A full run with screenshots of each window, saved as BMP files into the folder.
int Tour(const char* folder);
// Start-up and run times, peak working set, each next to an empty dialog program's.
int Bench(const char* toolExe, const char* emptyDialogExe);

}  // namespace e2e
