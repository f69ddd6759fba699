// One machine state for a test: a registry and a sandbox folder tree that a case seeds
// and inspects, and the platform calls the engine runs on. The same cases run on the
// native stand-ins and on Wine's real registry, files and processes.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "core/install_info_engine.h"

enum class KeyRights { Full, ReadOnly, None };

// Something a case started (a process, an open file) that ends with this object.
class Holder {
 public:
  virtual ~Holder() = default;
};

class TestMachine {
 public:
  virtual ~TestMachine() = default;

  virtual RegistryApi& Registry() = 0;
  virtual FileApi& Files() = 0;
  virtual ProcessApi& Processes() = 0;
  // True where the tool runs on the real Windows calls.
  virtual bool IsReal() const = 0;

  // Registry, keys named as the tool names them below HKEY_LOCAL_MACHINE.
  virtual void CreateKey(const std::string& key) = 0;
  virtual void SetString(const std::string& key, const std::string& name, const std::string& text) = 0;
  virtual void SetBinary(const std::string& key, const std::string& name, const std::string& bytes) = 0;
  virtual void SetDword(const std::string& key, const std::string& name, std::uint32_t value) = 0;
  virtual void RestrictKey(const std::string& key, KeyRights rights) = 0;
  // Every key and value of the products' roots and of their neighbours.
  virtual std::map<std::string, std::string> RegistrySnapshot() = 0;

  // Files, with paths below the sandbox folder written with '\'.
  virtual std::string Path(const std::string& relative) = 0;  // as the tool names it
  virtual void MakeFolder(const std::string& relative) = 0;
  virtual void WriteFile(const std::string& relative, const std::string& content = "x") = 0;
  virtual void SetReadOnly(const std::string& relative) = 0;
  virtual void SetHidden(const std::string& relative) = 0;
  // Holds the file open, without delete sharing, until the holder ends.
  virtual std::unique_ptr<Holder> HoldOpen(const std::string& relative) = 0;
  // Every file and folder below the sandbox, with content and read-only state.
  virtual std::map<std::string, std::string> FileSnapshot() = 0;
  // "ProgramFiles" for the engine; nullptr unsets it.
  virtual void SetProgramFiles(const char* value) = 0;

  // Processes.
  virtual std::unique_ptr<Holder> StartProcess(const std::string& exeName) = 0;
  virtual std::unique_ptr<Holder> StartSecondCopyOfSelf() = 0;
  virtual std::string OwnExeName() = 0;

  // Milliseconds the engine paused during the call: measured on the real clock, or
  // recorded by the stand-in.
  virtual std::uint32_t PauseDuring(const std::function<void()>& call) = 0;
};

std::unique_ptr<TestMachine> MakeTestMachine();
