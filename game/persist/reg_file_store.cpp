#include "reg_file_store.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace vorpex {

namespace {
constexpr const char* kSoftwarePath = "HKEY_CURRENT_USER\\Software";
// The game writes a few kilobytes; keys of other programs kept beside them
// may add some. Anything near this is not a store of ours, and reading it
// whole would only exhaust the memory.
constexpr size_t kLargestStore = 64u << 20;

std::string localTimeStamp() {
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm parts{};
#if defined(_WIN32)
  localtime_s(&parts, &t);
#else
  localtime_r(&t, &parts);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &parts);
  return text;
}
}  // namespace

RegFileStore::RegFileStore(std::string filePath, FileSystem& files, std::function<std::string()> now)
    : filePath_(std::move(filePath)), files_(files), now_(now ? std::move(now) : localTimeStamp) {}

bool RegFileStore::openSoftware(KeyHandle& software) {
  if (software_ != 0) {  // already open: the same view of the store
    software = software_;
    return true;
  }
  if (filePath_.empty()) {
    problem_ = "no folder for the settings: neither XDG_CONFIG_HOME nor HOME is set";
    return false;
  }
  const std::string folder = std::filesystem::path(filePath_).parent_path().string();
  if (!files_.createDirectories(folder)) {
    problem_ = folder + ": the folder cannot be made";
    return false;
  }
  std::string bytes;
  const ReadResult read = files_.readFile(filePath_, bytes, kLargestStore);
  if (read == ReadResult::failed || read == ReadResult::tooLarge) {
    problem_ = filePath_ + (read == ReadResult::failed ? ": cannot be read as a file"
                                                        : ": is larger than any store the game writes");
    return false;
  }
  RegParseResult parsed = parseRegFile(bytes);
  model_ = std::move(parsed.file);
  damaged_ = read == ReadResult::ok && parsed.damaged;
  originalBytes_ = damaged_ ? bytes : std::string();
  dirty_ = false;
  software_ = nextHandle_++;
  open_[software_] = kSoftwarePath;
  software = software_;
  return true;
}

bool RegFileStore::createKey(KeyHandle parent, const std::string& subPath, const std::string&,
                             KeyHandle& key) {
  const auto it = open_.find(parent);
  if (it == open_.end() || subPath.empty()) return false;
  const std::string path = it->second + "\\" + subPath;
  if (!model_.findKey(path)) {
    model_.keys.push_back(RegKey{path, {}});
    dirty_ = true;
  }
  key = nextHandle_++;
  open_[key] = path;
  return true;
}

bool RegFileStore::queryValue(KeyHandle key, const std::string& name, uint8_t* buffer,
                              uint32_t& size) {
  const auto it = open_.find(key);
  if (it == open_.end()) return false;
  RegKey* regKey = model_.findKey(it->second);
  const RegValue* value = regKey ? RegFile::findValue(*regKey, name) : nullptr;
  if (!value || value->data.size() > size) return false;
  if (!value->data.empty()) std::memcpy(buffer, value->data.data(), value->data.size());
  size = static_cast<uint32_t>(value->data.size());
  return true;
}

bool RegFileStore::setValue(KeyHandle key, const std::string& name, ValueType type,
                            const uint8_t* data, uint32_t size) {
  const auto it = open_.find(key);
  if (it == open_.end()) return false;
  RegKey* regKey = model_.findKey(it->second);
  if (!regKey) return false;
  // A kept line of another kind under the same name gives way to the new value.
  std::erase_if(regKey->values, [&](const RegValue& v) {
    return v.type == 0 && !v.name.empty() && equalsIgnoringCase(v.name, name);
  });
  RegValue* value = RegFile::findValue(*regKey, name);
  if (!value) {
    regKey->values.push_back(RegValue{name, 0, {}, {}});
    value = &regKey->values.back();
  }
  value->type = static_cast<uint32_t>(type);
  value->data.assign(data, data + size);
  dirty_ = true;
  return true;
}

bool RegFileStore::closeKey(KeyHandle key) {
  if (open_.erase(key) == 0) return false;
  if (key != software_) return true;
  software_ = 0;
  open_.clear();
  return !dirty_ || flush();
}

bool RegFileStore::alreadyKept() {
  // A run killed between keeping the copy and writing the store would
  // otherwise keep the same damaged file again at every start.
  for (const std::string& path : files_.filesStartingWith(filePath_ + ".damaged-")) {
    std::string bytes;
    if (path.find(".tmp") == std::string::npos && files_.readFile(path, bytes, kLargestStore) == ReadResult::ok &&
        bytes == originalBytes_)
      return true;
  }
  return false;
}

bool RegFileStore::flush() {
  if (!writesRefused_.empty()) {
    problem_ = writesRefused_;
    return false;
  }
  if (damaged_ && alreadyKept()) {
    damaged_ = false;
    originalBytes_.clear();
  }
  if (damaged_) {
    std::string copy = filePath_ + ".damaged-" + now_();
    for (int n = 2; files_.exists(copy); ++n) copy = filePath_ + ".damaged-" + now_() + "-" + std::to_string(n);
    // It holds everything the store held (names included): the store's own permissions.
    if (!files_.replaceFile(copy, originalBytes_, filePath_, problem_)) return false;
    damaged_ = false;
    originalBytes_.clear();
  }
  if (!files_.replaceFile(filePath_, formatRegFile(model_), filePath_, problem_)) return false;
  dirty_ = false;
  return true;
}

std::string defaultStorePath() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::filesystem::path base;
  if (xdg && *xdg && std::filesystem::path(xdg).is_absolute()) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::filesystem::path(home) / ".config";
  } else {
    return {};
  }
  return (base / "arcade-vorpex" / "registry.reg").string();
}

}  // namespace vorpex
