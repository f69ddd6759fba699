// Seeding and inspecting the real Win32 registry and file system for tests: keys with
// restrictive DACLs, read-only and hidden files, and snapshots to compare.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tests/support/test_machine.h"

namespace win32_seed {

// Keys below HKEY_LOCAL_MACHINE, in the 32-bit view as the tool sees them.
void CreateKey(const std::string& key);
void SetValue(const std::string& key, const std::string& name, std::uint32_t type, const std::string& data);
void RestrictKey(const std::string& key, KeyRights rights);
// Deletes a key and everything below it, whatever its DACLs say.
void WipeKey(const std::string& key);
std::map<std::string, std::string> RegistrySnapshot(const std::vector<std::string>& roots);

void MakeFolders(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
void AddAttributes(const std::string& path, std::uint32_t attributes);
// Deletes a folder and everything below it, read-only files included.
void WipeFolder(const std::string& path);
std::map<std::string, std::string> FileSnapshot(const std::string& root);

}  // namespace win32_seed
