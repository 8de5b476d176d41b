#include "engine_path.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "utf8_path.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace vorpex {

#if defined(_WIN32)
namespace {
// `wide` in the ANSI code page, or nothing when a letter of it has no
// place there (no best-fit look-alikes: "Ł" must not become "L").
std::optional<std::string> inAnsiCodePage(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  BOOL lost = FALSE;
  const int length = static_cast<int>(wide.size());
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, &lost);
  if (size <= 0 || lost) return std::nullopt;
  std::string narrow(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, narrow.data(), size, nullptr, &lost);
  return lost ? std::nullopt : std::optional<std::string>(narrow);
}
}  // namespace

std::wstring systemShortPath(const std::wstring& path) {
  const DWORD length = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (length == 0) return {};
  std::wstring shortPath(length, L'\0');
  const DWORD written = GetShortPathNameW(path.c_str(), shortPath.data(), length);
  if (written == 0 || written >= length) return {};
  shortPath.resize(written);
  return shortPath;
}

std::string pathForEngine(const std::string& utf8, const ShortPathLookup& shortPath) {
  const std::filesystem::path path = utf8Path(utf8);
  const std::wstring wide = path.wstring();
  if (const auto narrow = inAnsiCodePage(wide)) return *narrow;
  if (shortPath) {
    if (const auto narrow = inAnsiCodePage(shortPath(wide)); narrow && !narrow->empty()) return *narrow;
  }
  std::error_code failed;
  const std::filesystem::path here = std::filesystem::current_path(failed);
  if (!failed && path.has_parent_path() && std::filesystem::equivalent(path.parent_path(), here, failed) && !failed) {
    if (const auto narrow = inAnsiCodePage(path.filename().wstring())) return *narrow;
  }
  // As near as the code page comes: the engine says it cannot find it.
  const int length = static_cast<int>(wide.size());
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), length, narrow.data(), size, nullptr, nullptr);
  return narrow;
}
#else
std::wstring systemShortPath(const std::wstring&) { return {}; }
std::string pathForEngine(const std::string& utf8, const ShortPathLookup&) { return utf8; }
#endif

}  // namespace vorpex
