// The keyed store in which settings, best scores and the saved game live:
// the registry operations the persistence code relies on, over a backend
// (the Windows registry, or a REGEDIT4 file elsewhere).
#pragma once

#include <cstdint>
#include <string>

namespace vorpex {

// Value types, numbered as the registry numbers them.
enum class ValueType : uint32_t { string = 1, binary = 3 };

using KeyHandle = int32_t;

class KeyedStore {
 public:
  virtual ~KeyedStore() = default;

  // Opens HKEY_CURRENT_USER\Software. False when the store cannot be opened
  // at all (for the file backend: its folder or file cannot be created or read).
  virtual bool openSoftware(KeyHandle& software) = 0;

  // Creates or opens the key `subPath` (backslash-separated) below `parent`,
  // passing `className` for a new key. False when that fails.
  virtual bool createKey(KeyHandle parent, const std::string& subPath, const std::string& className,
                         KeyHandle& key) = 0;

  // Reads value `name` of `key` into `buffer`, which holds `size` bytes. On
  // success returns true, fills only the stored bytes and sets `size` to
  // their number (a string stored with its NUL counts it). False, with the
  // buffer untouched, when the value is missing or longer than the buffer.
  // The stored type is not checked.
  virtual bool queryValue(KeyHandle key, const std::string& name, uint8_t* buffer,
                          uint32_t& size) = 0;

  // Writes value `name` of `key`: `size` bytes of `data` as type `type`.
  virtual bool setValue(KeyHandle key, const std::string& name, ValueType type, const uint8_t* data,
                        uint32_t size) = 0;

  // Closes a handle. Closing "Software" is where a failed write shows: the
  // file backend writes the changes made since it was opened, and returns
  // false when that fails; the registry returns false when any write or
  // key made since then failed.
  virtual bool closeKey(KeyHandle key) = 0;

  // What the last failure ran into, naming the file or key and the reason,
  // for standard error beside the player's message; empty when unknown.
  virtual std::string lastProblem() const { return {}; }

  // From now on the store is read as before but never changed: every write
  // fails with `reason` as its problem, and no key is made. For a copy of
  // the game that cannot make sure it is the only one on this store, so
  // that it never overwrites what another wrote.
  virtual void refuseWrites(const std::string& reason) = 0;
};

// The key paths below Software, for program title "Arcade Vorpex", version 1.0.
constexpr const char* kSettingsKeyPath = "Quenta\\Arcade Vorpex\\1.0";
constexpr const char* kSavedGameKeyPath = "Quenta\\Arcade Vorpex\\1.0\\SAVE";
constexpr const char* kSettingsKeyClass = "USERDATA";
constexpr const char* kSavedGameKeyClass = "SAVEDATA";

}  // namespace vorpex
