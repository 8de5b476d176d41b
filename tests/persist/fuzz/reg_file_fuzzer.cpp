// libFuzzer target: any text parses without fault, and what the formatter
// writes of it parses back undamaged to the same file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "reg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const vorpex::RegParseResult first = vorpex::parseRegFile(text);
  const std::string written = vorpex::formatRegFile(first.file);
  const vorpex::RegParseResult second = vorpex::parseRegFile(written);
  if (vorpex::formatRegFile(second.file) != written) std::abort();
  return 0;
}
