#include "win_registry_store.h"

#if defined(_WIN32)

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vorpex {

namespace {
constexpr REGSAM kAllAccess = 0xF003F;
HKEY asKey(void* key) { return static_cast<HKEY>(key); }
}  // namespace

WinRegistryStore::~WinRegistryStore() {
  for (auto& [handle, key] : open_)
    if (key) RegCloseKey(asKey(key));
}

bool WinRegistryStore::openSoftware(KeyHandle& software) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, kAllAccess, &key) != ERROR_SUCCESS) return false;
  software = nextHandle_++;
  open_[software] = key;
  software_ = software;
  writeFailed_ = false;
  return true;
}

bool WinRegistryStore::createKey(KeyHandle parent, const std::string& subPath,
                                 const std::string& className, KeyHandle& key) {
  const auto it = open_.find(parent);
  if (it == open_.end()) return false;
  if (!writesRefused_.empty()) {
    // Only a key that is there is opened (making one is a write too); one
    // that is not reads as a key without values.
    HKEY opened = nullptr;
    if (!it->second || RegOpenKeyExA(asKey(it->second), subPath.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
      opened = nullptr;
    key = nextHandle_++;
    open_[key] = opened;
    return true;
  }
  SECURITY_ATTRIBUTES security{};
  security.nLength = sizeof security;  // 12 bytes on 32-bit Windows
  security.lpSecurityDescriptor = nullptr;
  security.bInheritHandle = TRUE;
  HKEY created = nullptr;
  DWORD disposition = 0;
  const LONG result = RegCreateKeyExA(asKey(it->second), subPath.c_str(), 0,
                                      const_cast<char*>(className.c_str()), REG_OPTION_NON_VOLATILE,
                                      kAllAccess, &security, &created, &disposition);
  if ((result != ERROR_SUCCESS && disposition != REG_OPENED_EXISTING_KEY) || !created) {
    problem_ = "HKEY_CURRENT_USER\\Software\\" + subPath + ": cannot be made (Windows error " +
               std::to_string(result) + ")";
    writeFailed_ = true;
    return false;
  }
  key = nextHandle_++;
  open_[key] = created;
  return true;
}

bool WinRegistryStore::queryValue(KeyHandle key, const std::string& name, uint8_t* buffer,
                                  uint32_t& size) {
  const auto it = open_.find(key);
  if (it == open_.end() || !it->second) return false;
  // Read into a copy: a failed read may leave the buffer undefined, and the
  // caller's must stay untouched.
  std::vector<uint8_t> copy(size == 0 ? 1 : size);
  DWORD length = size;
  if (RegQueryValueExA(asKey(it->second), name.c_str(), nullptr, nullptr, copy.data(), &length) !=
      ERROR_SUCCESS)
    return false;
  std::copy(copy.begin(), copy.begin() + length, buffer);
  size = length;
  return true;
}

bool WinRegistryStore::setValue(KeyHandle key, const std::string& name, ValueType type,
                                const uint8_t* data, uint32_t size) {
  const auto it = open_.find(key);
  if (it == open_.end()) return false;
  if (!writesRefused_.empty()) {
    problem_ = writesRefused_;
    writeFailed_ = true;
    return false;
  }
  const LONG result = RegSetValueExA(asKey(it->second), name.c_str(), 0, static_cast<DWORD>(type), data, size);
  if (result == ERROR_SUCCESS) return true;
  problem_ = name + ": cannot be written (Windows error " + std::to_string(result) + ")";
  writeFailed_ = true;
  return false;
}

bool WinRegistryStore::closeKey(KeyHandle key) {
  const auto it = open_.find(key);
  if (it == open_.end()) return false;
  if (it->second) RegCloseKey(asKey(it->second));
  open_.erase(it);
  if (key != software_) return true;
  software_ = 0;
  return !writeFailed_;
}

}  // namespace vorpex

#endif
