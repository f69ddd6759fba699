#include "tests/support/win32_seed.h"

#include <windows.h>
#include <sddl.h>

#include <stdexcept>

#include "core/mbcs_text.h"
#include "tests/support/snapshot_lines.h"

namespace win32_seed {
namespace {

void Check(LONG status, const char* what, const std::string& key) {
  if (status != ERROR_SUCCESS) throw std::runtime_error(std::string(what) + " " + key + ": " + std::to_string(status));
}

class Key {
 public:
  Key(const std::string& path, REGSAM access) {
    status_ = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &key_);
  }
  ~Key() {
    if (status_ == ERROR_SUCCESS) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  bool ok() const { return status_ == ERROR_SUCCESS; }
  LONG status() const { return status_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
  LONG status_;
};

void SetDacl(const std::string& key, const char* sddl) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr))
    throw std::runtime_error("bad descriptor");
  // The owner may always change the DACL, however restrictive it is.
  Key opened(key, WRITE_DAC);
  LONG status = opened.ok() ? RegSetKeySecurity(opened.get(), DACL_SECURITY_INFORMATION, descriptor) : opened.status();
  LocalFree(descriptor);
  Check(status, "set DACL of", key);
}

void SnapshotKey(const std::string& path, std::map<std::string, std::string>& lines) {
  Key key(path, KEY_READ);
  if (!key.ok()) {
    if (key.status() != ERROR_FILE_NOT_FOUND) lines[SnapshotKeyLine(path)] = "key, unreadable";
    return;
  }
  lines[SnapshotKeyLine(path)] = "key";
  for (DWORD index = 0;; ++index) {
    char name[16384];
    DWORD nameSize = sizeof name;
    DWORD type = 0;
    BYTE data[4096];
    DWORD dataSize = sizeof data;
    LONG status = RegEnumValueA(key.get(), index, name, &nameSize, nullptr, &type, data, &dataSize);
    if (status != ERROR_SUCCESS) break;
    lines[SnapshotValueLine(path, name)] =
        SnapshotValueData(type, std::string(reinterpret_cast<char*>(data), dataSize));
  }
  std::vector<std::string> children;
  for (DWORD index = 0;; ++index) {
    char name[256];
    DWORD nameSize = sizeof name;
    if (RegEnumKeyExA(key.get(), index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    children.push_back(name);
  }
  for (const std::string& child : children) SnapshotKey(path + "\\" + child, lines);
}

}  // namespace

void CreateKey(const std::string& key) {
  HKEY created = nullptr;
  // READ_CONTROL only, so that a key already restricted opens too.
  Check(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, READ_CONTROL, nullptr, &created, nullptr),
        "create", key);
  RegCloseKey(created);
}

void SetValue(const std::string& key, const std::string& name, std::uint32_t type, const std::string& data) {
  CreateKey(key);
  Key opened(key, KEY_SET_VALUE);
  Check(opened.status(), "open for a value", key);
  Check(RegSetValueExA(opened.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size())),
        "set value in", key);
}

void RestrictKey(const std::string& key, KeyRights rights) {
  CreateKey(key);
  switch (rights) {
    case KeyRights::Full: SetDacl(key, "D:(A;;KA;;;WD)"); break;
    case KeyRights::ReadOnly: SetDacl(key, "D:P(A;;KR;;;WD)"); break;
    case KeyRights::None: SetDacl(key, "D:P"); break;
  }
}

void WipeKey(const std::string& key) {
  {
    Key probe(key, READ_CONTROL);
    if (probe.status() == ERROR_FILE_NOT_FOUND) return;
  }
  SetDacl(key, "D:(A;;KA;;;WD)");
  std::vector<std::string> children;
  {
    Key opened(key, KEY_READ);
    for (DWORD index = 0; opened.ok(); ++index) {
      char name[256];
      DWORD nameSize = sizeof name;
      if (RegEnumKeyExA(opened.get(), index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      children.push_back(name);
    }
  }
  for (const std::string& child : children) WipeKey(key + "\\" + child);
  Check(RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str()), "wipe", key);
}

std::map<std::string, std::string> RegistrySnapshot(const std::vector<std::string>& roots) {
  std::map<std::string, std::string> lines;
  for (const std::string& root : roots) SnapshotKey(root, lines);
  return lines;
}

void MakeFolders(const std::string& path) {
  for (std::size_t at = 0; at < path.size(); ++at) {
    unsigned char c = static_cast<unsigned char>(path[at]);
    if (IsCp932LeadByte(c)) {
      ++at;
      continue;
    }
    if (c == '\\' && at > 2) CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
  }
  CreateDirectoryA(path.c_str(), nullptr);
}

void WriteFile(const std::string& path, const std::string& content) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
  DWORD written = 0;
  BOOL ok = ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok) throw std::runtime_error("cannot write " + path);
}

void AddAttributes(const std::string& path, std::uint32_t attributes) {
  DWORD current = GetFileAttributesA(path.c_str());
  if (current == INVALID_FILE_ATTRIBUTES || !SetFileAttributesA(path.c_str(), current | attributes))
    throw std::runtime_error("cannot set attributes of " + path);
}

void WipeFolder(const std::string& path) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      std::string child = path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) WipeFolder(child);
      else DeleteFileA(child.c_str());
    } while (FindNextFileA(search, &data));
    FindClose(search);
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(path.c_str());
}

namespace {

void SnapshotFolder(const std::string& path, const std::string& relative, std::map<std::string, std::string>& lines) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    std::string child = path + "\\" + name;
    std::string childRelative = relative.empty() ? name : relative + "\\" + name;
    std::string attributes;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) attributes += "r";
    if (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) attributes += "h";
    if (data.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) attributes += "s";
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      lines[childRelative] = "folder " + attributes;
      SnapshotFolder(child, childRelative, lines);
      continue;
    }
    std::string content;
    HANDLE file = CreateFileA(child.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      char buffer[4096];
      DWORD got = 0;
      while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
      CloseHandle(file);
    }
    lines[childRelative] = "file " + attributes + " " + content;
  } while (FindNextFileA(search, &data));
  FindClose(search);
}

}  // namespace

std::map<std::string, std::string> FileSnapshot(const std::string& root) {
  std::map<std::string, std::string> lines;
  SnapshotFolder(root, "", lines);
  return lines;
}

}  // namespace win32_seed
