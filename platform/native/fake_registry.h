// An in-memory HKEY_LOCAL_MACHINE that answers with Win32's status codes. Keys can be
// restricted to reading, or to nothing, as a key's DACL restricts them on Windows.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry_api.h"

enum class KeyAccess { Full, ReadOnly, None };

enum : std::uint32_t { FAKE_REG_SZ = 1, FAKE_REG_BINARY = 3, FAKE_REG_DWORD = 4 };

class FakeRegistry : public RegistryApi {
 public:
  FakeRegistry();
  ~FakeRegistry() override;

  RegStatus OpenLocalMachine(const char* subKey, std::uint32_t access, RegKeyHandle* key) override;
  RegStatus QueryValue(RegKeyHandle key, const char* name, std::uint32_t* type, unsigned char* data,
                       std::uint32_t* size) override;
  RegStatus DeleteSubKey(RegKeyHandle key, const char* name) override;
  RegStatus DeleteValue(RegKeyHandle key, const char* name) override;
  RegStatus CloseKey(RegKeyHandle key) override;

  // Seeding and inspection, with paths as the tool names them ("SOFTWARE\\...").
  void CreateKey(const std::string& path);
  void SetValue(const std::string& path, const std::string& name, std::uint32_t type, const std::string& data);
  void RestrictKey(const std::string& path, KeyAccess access);
  // Every key (valueName null) and value below root, values with their data as the
  // "A" functions return them.
  using EntryVisitor = std::function<void(const std::string& key, const std::string* valueName, std::uint32_t type,
                                          const std::string& data)>;
  void ForEachEntry(const std::string& root, const EntryVisitor& visit) const;

 private:
  struct Node;
  Node* Find(const std::string& path) const;
  Node* FindOrCreate(const std::string& path);
  static std::string AsReturned(std::uint32_t type, const std::string& data);

  std::unique_ptr<Node> root_;
  std::vector<std::unique_ptr<Node>> removed_;  // kept alive for handles still open on them
  std::map<RegKeyHandle, Node*> handles_;
  std::uintptr_t nextHandle_ = 0x100;
};
