// The three products the tool knows, and the texts several parts of it share.
#pragma once
#include <cstddef>
#include <cstdint>

enum ProductKind : std::uint32_t {
  PRODUCT_RUVENTA = 1,
  PRODUCT_KESRA = 2,
  PRODUCT_SELDA = 4,
};

// Products are always handled in this order.
constexpr ProductKind PRODUCT_ORDER[] = {PRODUCT_RUVENTA, PRODUCT_KESRA, PRODUCT_SELDA};
constexpr std::size_t PRODUCT_COUNT = 3;

// The outcome of one product's removal as a result row holds it.
enum RemovalOutcome : std::int32_t {
  OUTCOME_FAILED = -1,
  OUTCOME_REMOVED = 0,
  OUTCOME_ALREADY_REMOVED = 1,
};

enum RegistryEntryMode : int {
  REGISTRY_ENTRY_NONE = 0,
  REGISTRY_ENTRY_SUBKEY = 1,  // DeleteRegistryEntry mode 1
  REGISTRY_ENTRY_VALUE = 2,   // DeleteRegistryEntry mode 2
};

// Check box identifiers of the main dialog.
enum : int {
  IDC_CHK_RUVENTA = 1005,
  IDC_CHK_KESRA = 1007,
  IDC_CHK_SELDA = 1008,
};

// Items marked "none" for a product are empty texts (or null for the registry-step
// message, where the could-not-delete message is used instead).
struct ProductInfo {
  ProductKind kind;
  const char* displayName;
  int checkBoxId;
  const char* rootKey;
  const char* key;            // holds the version and the folder
  const char* versionValue;
  const char* folderValue;
  RegistryEntryMode registryEntryMode;
  const char* registryEntryKey;
  const char* registryEntryName;
  const char* files[2];
  std::size_t fileCount;
  const char* fileFolderInfix;  // folder + infix + file name
  const char* installShieldCode;
  const char* runningProgram;
  const char* registryStepMessage;
  const char* folderReadMessage;
};

const ProductInfo& GetProductInfo(ProductKind kind);

extern const char TOOL_TITLE[];
extern const char WHAT_REGISTRY[];
extern const char WHAT_INSTALL_INFO_FILE[];
extern const char WHAT_INSTALL_INFO_FOLDER[];

constexpr std::size_t PATH_BUFFER_SIZE = 521;
constexpr std::size_t MESSAGE_BUFFER_SIZE = 1024;
constexpr std::size_t VERSION_TEXT_SIZE = 6;

// The message of every failed deletion, into a MESSAGE_BUFFER_SIZE buffer.
void FormatCouldNotDelete(char* message, const char* what, const char* path);
