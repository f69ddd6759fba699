#include "platform/native/fake_registry.h"

#include <cstring>

#include "core/mbcs_text.h"

struct FakeRegistry::Node {
  struct Value {
    std::uint32_t type;
    std::string data;
  };
  std::string name;
  KeyAccess access = KeyAccess::Full;
  std::map<std::string, std::unique_ptr<Node>> children;  // by folded name
  std::map<std::string, Value> values;                     // by folded name
};

namespace {

// Registry names compare without ASCII case.
std::string Fold(const std::string& name) { return FoldAsciiCase(name); }

// Splits at '\' that stand on a character boundary.
std::vector<std::string> SplitKeyPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (std::size_t i = 0; i < path.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(path[i]);
    if (IsCp932LeadByte(c) && i + 1 < path.size()) {
      part += path[i];
      part += path[++i];
    } else if (c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += path[i];
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

bool IsStringType(std::uint32_t type) { return type == FAKE_REG_SZ || type == 2 || type == 7; }

}  // namespace

// The "A" functions hand back strings with their terminator, adding one if missing.
std::string FakeRegistry::AsReturned(std::uint32_t type, const std::string& data) {
  std::string bytes = data;
  if (IsStringType(type) && (bytes.empty() || bytes.back() != '\0')) bytes += '\0';
  return bytes;
}

FakeRegistry::FakeRegistry() : root_(new Node) {}
FakeRegistry::~FakeRegistry() = default;

FakeRegistry::Node* FakeRegistry::Find(const std::string& path) const {
  Node* node = root_.get();
  for (const std::string& part : SplitKeyPath(path)) {
    auto it = node->children.find(Fold(part));
    if (it == node->children.end()) return nullptr;
    node = it->second.get();
  }
  return node;
}

FakeRegistry::Node* FakeRegistry::FindOrCreate(const std::string& path) {
  Node* node = root_.get();
  for (const std::string& part : SplitKeyPath(path)) {
    std::unique_ptr<Node>& child = node->children[Fold(part)];
    if (!child) {
      child.reset(new Node);
      child->name = part;
    }
    node = child.get();
  }
  return node;
}

RegStatus FakeRegistry::OpenLocalMachine(const char* subKey, std::uint32_t access, RegKeyHandle* key) {
  Node* node = Find(subKey);
  if (node == nullptr) return REG_STATUS_FILE_NOT_FOUND;
  bool wantsWrite = (access & ~static_cast<std::uint32_t>(REG_ACCESS_READ)) != 0;
  if (node->access == KeyAccess::None || (node->access == KeyAccess::ReadOnly && wantsWrite))
    return REG_STATUS_ACCESS_DENIED;
  // Handles are opaque numbers, never dereferenced.
  RegKeyHandle handle = reinterpret_cast<RegKeyHandle>(nextHandle_);  // NOLINT(performance-no-int-to-ptr)
  nextHandle_ += 4;
  handles_[handle] = node;
  *key = handle;
  return REG_STATUS_SUCCESS;
}

RegStatus FakeRegistry::QueryValue(RegKeyHandle key, const char* name, std::uint32_t* type, unsigned char* data,
                                   std::uint32_t* size) {
  auto handle = handles_.find(key);
  if (handle == handles_.end()) return 6;  // ERROR_INVALID_HANDLE
  auto it = handle->second->values.find(Fold(name));
  if (it == handle->second->values.end()) return REG_STATUS_FILE_NOT_FOUND;
  const Node::Value& value = it->second;
  std::string bytes = AsReturned(value.type, value.data);
  if (type != nullptr) *type = value.type;
  std::uint32_t needed = static_cast<std::uint32_t>(bytes.size());
  if (data == nullptr) {
    *size = needed;
    return REG_STATUS_SUCCESS;
  }
  if (*size < needed) {
    *size = needed;
    return REG_STATUS_MORE_DATA;
  }
  // Registry data are bytes; strings carry their terminator in bytes already.
  std::memcpy(data, bytes.data(), bytes.size());  // NOLINT(bugprone-not-null-terminated-result)
  *size = needed;
  return REG_STATUS_SUCCESS;
}

RegStatus FakeRegistry::DeleteSubKey(RegKeyHandle key, const char* name) {
  auto handle = handles_.find(key);
  if (handle == handles_.end()) return 6;
  Node* parent = handle->second;
  auto it = parent->children.find(Fold(name));
  if (it == parent->children.end()) return REG_STATUS_FILE_NOT_FOUND;
  // Windows refuses a key that has subkeys, or whose DACL grants no DELETE.
  if (!it->second->children.empty() || it->second->access != KeyAccess::Full) return REG_STATUS_ACCESS_DENIED;
  removed_.push_back(std::move(it->second));
  parent->children.erase(it);
  return REG_STATUS_SUCCESS;
}

RegStatus FakeRegistry::DeleteValue(RegKeyHandle key, const char* name) {
  auto handle = handles_.find(key);
  if (handle == handles_.end()) return 6;
  auto it = handle->second->values.find(Fold(name));
  if (it == handle->second->values.end()) return REG_STATUS_FILE_NOT_FOUND;
  handle->second->values.erase(it);
  return REG_STATUS_SUCCESS;
}

RegStatus FakeRegistry::CloseKey(RegKeyHandle key) {
  return handles_.erase(key) == 1 ? REG_STATUS_SUCCESS : 6;
}

void FakeRegistry::CreateKey(const std::string& path) { FindOrCreate(path); }

void FakeRegistry::SetValue(const std::string& path, const std::string& name, std::uint32_t type,
                            const std::string& data) {
  FindOrCreate(path)->values[Fold(name)] = Node::Value{type, data};
}

void FakeRegistry::RestrictKey(const std::string& path, KeyAccess access) { FindOrCreate(path)->access = access; }

void FakeRegistry::ForEachEntry(const std::string& root, const EntryVisitor& visit) const {
  struct Walker {
    const EntryVisitor& visit;
    void Walk(const Node& node, const std::string& path) {
      visit(path, nullptr, 0, "");
      for (const auto& value : node.values)
        visit(path, &value.first, value.second.type, AsReturned(value.second.type, value.second.data));
      for (const auto& child : node.children) Walk(*child.second, path + "\\" + child.second->name);
    }
  } walker{visit};
  if (const Node* node = Find(root)) walker.Walk(*node, root);
}
