#include "large_image.h"

#include <cstddef>
#include <cstdint>
#include <limits>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace vorpex {

#if defined(__linux__)
namespace {

constexpr size_t kHugePage = size_t{2} << 20;
// Below this an image would waste more than half of its one large page.
constexpr size_t kWorthLargePages = size_t{1} << 20;

struct Mapping {
  void* start;
  size_t length;
};

void release(void* info) {
  auto* mapping = static_cast<Mapping*>(info);
  munmap(mapping->start, mapping->length);
  delete mapping;
}

// An anonymous mapping of `length` (a multiple of kHugePage) that starts on
// a kHugePage boundary, or nullptr. Maps one large page more and returns
// the unaligned ends, since only whole aligned large pages can be used.
void* mapAligned(size_t length) {
  void* raw = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) return nullptr;
  const uintptr_t first = reinterpret_cast<uintptr_t>(raw);
  const uintptr_t start = (first + kHugePage - 1) & ~(uintptr_t{kHugePage} - 1);
  const uintptr_t end = first + length + kHugePage;
  if (start > first) munmap(raw, start - first);
  if (end > start + length) munmap(reinterpret_cast<void*>(start + length), end - (start + length));
  return reinterpret_cast<void*>(start);
}

}  // namespace
#endif

QImage makeLargeImage(int width, int height, QImage::Format format) {
#if defined(__linux__)
  if (width > 0 && height > 0 && format != QImage::Format_Invalid) {
    const qsizetype depth = QImage::toPixelFormat(format).bitsPerPixel();
    // Rows padded to 32 bits, as QImage lays them out.
    const qsizetype bytesPerLine = ((qsizetype{width} * depth + 31) / 32) * 4;
    const size_t bytes = static_cast<size_t>(bytesPerLine) * static_cast<size_t>(height);
    const bool fits = bytesPerLine <= std::numeric_limits<int>::max() &&
                      bytes / static_cast<size_t>(height) == static_cast<size_t>(bytesPerLine) &&
                      bytes <= std::numeric_limits<size_t>::max() / 2;
    if (fits && bytes >= kWorthLargePages) {
      const size_t length = (bytes + kHugePage - 1) / kHugePage * kHugePage;
      if (void* start = mapAligned(length)) {
        madvise(start, length, MADV_HUGEPAGE);  // a hint; refused, the pages are small
        auto* mapping = new Mapping{start, length};
        QImage image(static_cast<uchar*>(start), width, height, bytesPerLine, format, release, mapping);
        if (!image.isNull()) return image;
        release(mapping);  // QImage refused it and took nothing
      }
    }
  }
#endif
  return QImage(width, height, format);
}

}  // namespace vorpex
