#pragma once
#include <string>
#include <vector>

// Every key a test seeds lies below one of these: the products' roots and a
// neighbour of theirs. They are wiped before and after each test on a real registry.
inline const std::vector<std::string> TEST_REGISTRY_ROOTS = {
    "SOFTWARE\\ORVIQI", "SOFTWARE\\ORVIQR", "SOFTWARE\\ORVIQZ", "SOFTWARE\\Fujitsu"};
