#include "engine_binding.h"

#include <algorithm>
#include <filesystem>

#include "engine_path.h"
#include "program_files.h"
#include "translations.h"
#include "utf8_path.h"
#include "wordcore.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace vorpex {

namespace {

#if defined(_WIN32)
void* openLibrary(const std::string& path, std::string& error) {
  HMODULE handle =
      LoadLibraryExW(utf8Path(path).wstring().c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!handle) {
    const DWORD code = GetLastError();
    wchar_t text[256] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, 256, nullptr);
    const std::u8string described = std::filesystem::path(text).u8string();
    std::string reason(described.begin(), described.end());
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.')) reason.pop_back();
    error = (reason.empty() ? "error" : reason + ", error") + " " + std::to_string(code);
  }
  return reinterpret_cast<void*>(handle);
}

void* findFunction(void* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}
#else
void* openLibrary(const std::string& path, std::string& error) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) error = dlerror();
  return handle;
}
void* findFunction(void* library, const char* name) { return dlsym(library, name); }
#endif

template <class F>
F as(void* address) {
  return reinterpret_cast<F>(reinterpret_cast<uintptr_t>(address));
}

}  // namespace

EngineBinding::EngineBinding(std::string libraryPath) : libraryPath_(std::move(libraryPath)) {}

EngineBinding::~EngineBinding() = default;

void* EngineBinding::function(const char* name, void*& slot) {
  if (slot) return slot;
  const std::string file = files::fileNameOf(libraryPath_), folder = files::folderOf(libraryPath_);
  if (!std::filesystem::path(libraryPath_).is_absolute())
    throw EngineBindingError(translatedMessage(
        "The word engine \"|1\" in the folder \"|2\" is not named by an absolute path.", {file, folder}));
  if (!library_) {
    std::string error;
    library_ = openLibrary(libraryPath_, error);
    if (!library_)
      throw EngineBindingError(translatedMessage("The word engine \"|1\" in the folder \"|2\" could not be loaded: |3",
                                                 {file, folder, error}));
  }
  slot = findFunction(library_, name);
  if (!slot)
    throw EngineBindingError(
        translatedMessage("The word engine \"|1\" in the folder \"|2\" has no function \"|3\".", {file, folder, name}));
  return slot;
}

int32_t EngineBinding::loadLangDict(const char* path) {
  const std::string forEngine = path ? pathForEngine(path) : std::string();
  return as<decltype(&::loadLangDict)>(function("loadLangDict", loadLangDict_))(path ? forEngine.c_str() : nullptr);
}

int32_t EngineBinding::makeLLPuzzleA(int32_t rackLength, int32_t puzzleNumber, int32_t position) {
  return as<decltype(&::makeLLPuzzleA)>(function("makeLLPuzzleA", makeLLPuzzleA_))(
      rackLength, puzzleNumber, position);
}

int32_t EngineBinding::llpGetNumWordsInSize(int32_t length) {
  return as<decltype(&::llpGetNumWordsInSize)>(
      function("llpGetNumWordsInSize", llpGetNumWordsInSize_))(length);
}

char* EngineBinding::llpGetWord(int32_t length, int32_t index, char* buffer) {
  return as<decltype(&::llpGetWord)>(function("llpGetWord", llpGetWord_))(length, index, buffer);
}

void EngineBinding::clearMemory() {
  as<decltype(&::clearMemory)>(function("clearMemory", clearMemory_))();
}

}  // namespace vorpex
