// The file operations the file-backed store needs, behind an interface so
// that tests can make any of them fail.
#pragma once

#include <string>
#include <vector>

namespace vorpex {

enum class ReadResult { ok, notFound, failed, tooLarge };

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Creates `folder` and its parents; true when it exists afterwards as a folder.
  virtual bool createDirectories(const std::string& folder) = 0;

  // Reads a whole regular file of at most `limit` bytes; notFound when
  // nothing is there, failed when something is there that cannot be read as
  // a file, tooLarge (nothing read, nothing held) when it is larger.
  virtual ReadResult readFile(const std::string& path, std::string& bytes, size_t limit) = 0;

  virtual bool exists(const std::string& path) = 0;

  // Replaces `path` whole and atomically: the bytes go to a temporary file
  // of this call's own in the same folder, which is flushed to the disk and
  // then renamed over `path`. At any moment `path` holds the old content or
  // the new, never a mix, even with two programs writing at once. A
  // symbolic link is written through to its target and stays a link. The
  // file gets the permissions of `modeOf` (the path itself, or another file
  // whose content it copies) when that exists, the usual ones of a new file
  // otherwise; setuid, setgid and sticky bits are never given. A file that
  // exists with no write permission at all was made read-only by its owner
  // and is not replaced. On failure the temporary file is removed, `path`
  // is unchanged and `problem` names the file and the reason.
  virtual bool replaceFile(const std::string& path, const std::string& bytes, const std::string& modeOf,
                           std::string& problem) = 0;

  // Adds `line` and a line break at the end of the plain file `path` (made
  // when missing), in one write flushed to the disk before it returns, so
  // that a crash can leave at most a part of this line at the file's end.
  // When the file's last byte is not a line break (a line cut short by such
  // a crash) a line break comes first, so that the cut line costs only
  // itself. Anything but a plain file there is refused. On failure
  // `problem` names the file and the reason.
  virtual bool appendLine(const std::string& path, const std::string& line, std::string& problem) = 0;

  // The files whose full path starts with `pathPrefix` (a folder and the
  // start of a name), in no particular order.
  virtual std::vector<std::string> filesStartingWith(const std::string& pathPrefix) = 0;
  virtual bool removeFile(const std::string& path) = 0;
};

// The process's file-creation mask. Read once, the first time, without
// changing it (another thread may be creating a file at that moment); call
// it before any thread starts to have it read then.
unsigned fileCreationMask();

// Removes what an interrupted write of the store at `storePath` left
// behind: its temporary files and those of a damaged copy. Only for the one
// program that holds the store; another one's write may be under way.
void removeStaleTemporaries(FileSystem& files, const std::string& storePath);

class LocalFileSystem : public FileSystem {
 public:
  bool createDirectories(const std::string& folder) override;
  ReadResult readFile(const std::string& path, std::string& bytes, size_t limit) override;
  bool exists(const std::string& path) override;
  bool replaceFile(const std::string& path, const std::string& bytes, const std::string& modeOf,
                   std::string& problem) override;
  bool appendLine(const std::string& path, const std::string& line, std::string& problem) override;
  std::vector<std::string> filesStartingWith(const std::string& pathPrefix) override;
  bool removeFile(const std::string& path) override;

 protected:
  // The last step of replaceFile; tests override it to fail after the
  // temporary file is complete.
  virtual bool renameFile(const std::string& from, const std::string& to);
};

}  // namespace vorpex
