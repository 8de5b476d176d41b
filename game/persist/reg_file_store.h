// The keyed store as one REGEDIT4 file (reg_file.h), under
// HKEY_CURRENT_USER\Software, so that a person can read it and Windows can
// import it.
//
// Opening "Software" reads the file afresh (a missing file is an empty
// store); closing it writes the changes made since, replacing the file whole
// and atomically. Keys and values the program does not know are written back
// as they were. A file that could not be read in whole or in part is copied
// beside itself as "<name>.damaged-<date and time>" before the first write
// replaces it, so that nothing a player had is lost unseen.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "file_system.h"
#include "keyed_store.h"
#include "reg_file.h"

namespace vorpex {

class RegFileStore : public KeyedStore {
 public:
  // `filePath` is the store file; its folder is created when missing. `now`
  // gives the date and time text of a damaged copy's name.
  RegFileStore(std::string filePath, FileSystem& files,
               std::function<std::string()> now = nullptr);

  bool openSoftware(KeyHandle& software) override;
  bool createKey(KeyHandle parent, const std::string& subPath, const std::string& className,
                 KeyHandle& key) override;
  bool queryValue(KeyHandle key, const std::string& name, uint8_t* buffer, uint32_t& size) override;
  bool setValue(KeyHandle key, const std::string& name, ValueType type, const uint8_t* data,
                uint32_t size) override;
  bool closeKey(KeyHandle key) override;

  std::string lastProblem() const override { return problem_; }

  // From now on the file is read but never written: every write fails with
  // `reason`. For a copy of the game that cannot make sure it is the only
  // one on this store, so that it never overwrites what another wrote.
  void refuseWrites(const std::string& reason) override { writesRefused_ = reason; }

  const std::string& filePath() const { return filePath_; }

 private:
  bool flush();
  // Whether a damaged-copy file beside the store already holds these bytes.
  bool alreadyKept();

  std::string filePath_;
  FileSystem& files_;
  std::function<std::string()> now_;

  RegFile model_;
  bool dirty_ = false;
  bool damaged_ = false;      // the file read at open could not be read whole
  std::string originalBytes_; // as read, for the damaged copy
  std::map<KeyHandle, std::string> open_;  // handle -> full key path
  KeyHandle nextHandle_ = 1;
  KeyHandle software_ = 0;
  std::string problem_;
  std::string writesRefused_;
};

// The store file: $XDG_CONFIG_HOME/arcade-vorpex/registry.reg, or
// ~/.config/arcade-vorpex/registry.reg when XDG_CONFIG_HOME is unset or not
// absolute. Empty when neither that nor HOME is set.
std::string defaultStorePath();

}  // namespace vorpex
