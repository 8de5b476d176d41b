#include "app_dir.h"

namespace vorpex {

std::string withTrailingSeparator(std::string folder) {
#if defined(_WIN32)
  // Qt names folders with '/', the system with '\\': the added one matches.
  const bool ends = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
  const bool backslashed = folder.find('\\') != std::string::npos && folder.find('/') == std::string::npos;
  if (!ends) folder += backslashed ? '\\' : '/';
#else
  if (folder.empty() || folder.back() != '/') folder += '/';
#endif
  return folder;
}

}  // namespace vorpex
