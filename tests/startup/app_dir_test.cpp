#include <gtest/gtest.h>

#include "app_dir.h"

namespace vorpex {
namespace {

TEST(AppDir, TrailingSeparatorIsAddedOnlyWhenMissing) {
  EXPECT_EQ(withTrailingSeparator("/opt/arcade-vorpex"), "/opt/arcade-vorpex/");
  EXPECT_EQ(withTrailingSeparator("/opt/arcade-vorpex/"), "/opt/arcade-vorpex/");
  EXPECT_EQ(withTrailingSeparator("/"), "/") << "a root folder keeps its single separator";
}

}  // namespace
}  // namespace vorpex
