// Writes a machine state onto a test machine, with unrelated neighbours around every
// target that no step may touch.
#pragma once
#include <memory>
#include <vector>

#include "tests/oracle/machine_model.h"
#include "tests/support/test_machine.h"

namespace model {

// Returns what holds files open; they stay held while it lives. The information
// files of the machine are put in the order the directory search returns them.
std::vector<std::unique_ptr<Holder>> Seed(Machine& machine, TestMachine& target);

}  // namespace model
