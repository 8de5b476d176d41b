// A library that offers only loadLangDict and clearMemory of the engine's five.
#include "wordcore.h"

extern "C" {
__attribute__((visibility("default"))) int32_t WORDCORE_CALL loadLangDict(const char*) { return 1; }
__attribute__((visibility("default"))) void WORDCORE_CALL clearMemory(void) {}
}
