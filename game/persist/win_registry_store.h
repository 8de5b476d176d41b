// The keyed store as the Windows registry itself, under HKEY_CURRENT_USER.
// Compiled on Windows only.
#pragma once

#if defined(_WIN32)

#include <map>
#include <string>

#include "keyed_store.h"

namespace vorpex {

class WinRegistryStore : public KeyedStore {
 public:
  ~WinRegistryStore() override;

  bool openSoftware(KeyHandle& software) override;
  bool createKey(KeyHandle parent, const std::string& subPath, const std::string& className,
                 KeyHandle& key) override;
  bool queryValue(KeyHandle key, const std::string& name, uint8_t* buffer, uint32_t& size) override;
  bool setValue(KeyHandle key, const std::string& name, ValueType type, const uint8_t* data,
                uint32_t size) override;
  bool closeKey(KeyHandle key) override;
  std::string lastProblem() const override { return problem_; }
  void refuseWrites(const std::string& reason) override { writesRefused_ = reason; }

 private:
  std::map<KeyHandle, void*> open_;  // handle -> HKEY; null for a key that is not there (writes refused)
  KeyHandle nextHandle_ = 1;
  std::string writesRefused_;
  std::string problem_;
  KeyHandle software_ = 0;
  bool writeFailed_ = false;  // since Software was opened
};

}  // namespace vorpex

#endif
