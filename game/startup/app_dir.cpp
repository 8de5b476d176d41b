#include "app_dir.h"

namespace vorpex {

std::string withTrailingSeparator(std::string folder) {
#if defined(_WIN32)
  const bool ends = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
  if (!ends) folder += '\\';
#else
  if (folder.empty() || folder.back() != '/') folder += '/';
#endif
  return folder;
}

}  // namespace vorpex
