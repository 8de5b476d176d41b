// Images the size of a window, whose pixels the system may hold in large
// pages. A surface's first clearing touches every page of a new image: one
// page fault per 4 KiB, over 360 for the main window at 100 %, and on a
// virtual machine each one costs microseconds, a few milliseconds before the
// first frame. Held in transparent huge pages, the same image takes one
// fault per 2 MiB.
#pragma once

#include <QImage>

namespace vorpex {

// A `width` x `height` image of `format`, its pixels not yet set. Of a
// mebibyte and more, on Linux, its pixels lie in a mapping of their own,
// aligned to 2 MiB, rounded up to whole 2 MiB and advised for huge pages
// (a hint: where the system has none it gives small pages as usual); the
// mapping goes with the last copy of the image that shares it. Smaller
// images, other systems and a refused mapping get a plain QImage. A size
// QImage cannot hold gives a null image, as QImage does.
QImage makeLargeImage(int width, int height, QImage::Format format);

}  // namespace vorpex
