#include "font_configuration.h"

#if defined(VORPEX_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace vorpex {

namespace {
void readFontConfiguration() {
#if defined(VORPEX_HAVE_FONTCONFIG)
  // Qt's own call finds it read; a failure here is Qt's to meet again and report.
  FcInit();
#endif
}
}  // namespace

FontConfigurationLoad::FontConfigurationLoad() : done_(std::async(std::launch::async, readFontConfiguration)) {}

}  // namespace vorpex
