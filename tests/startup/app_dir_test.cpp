#include <gtest/gtest.h>

#include "app_dir.h"

namespace vorpex {
namespace {

TEST(AppDir, TrailingSeparatorIsAddedOnlyWhenMissing) {
  EXPECT_EQ(withTrailingSeparator("/opt/arcade-vorpex"), "/opt/arcade-vorpex/");
  EXPECT_EQ(withTrailingSeparator("/opt/arcade-vorpex/"), "/opt/arcade-vorpex/");
  EXPECT_EQ(withTrailingSeparator("/"), "/") << "a root folder keeps its single separator";
#if defined(_WIN32)
  EXPECT_EQ(withTrailingSeparator("C:\\Games\\Arcade Vorpex"), "C:\\Games\\Arcade Vorpex\\");
  EXPECT_EQ(withTrailingSeparator("C:\\"), "C:\\");
  EXPECT_EQ(withTrailingSeparator("C:/Games"), "C:/Games/") << "as Qt names the program's folder";
#endif
}

}  // namespace
}  // namespace vorpex
