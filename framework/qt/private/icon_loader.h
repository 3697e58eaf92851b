// Icons: decoding .ico files from the resource table and the HICON handles that name them.
//
// An icon group keeps, for each image size in the file, the image of greatest colour depth,
// as the window system picks on a true-colour display. Decoding uses the toolkit's ICO
// reader on one image at a time, so a damaged entry costs only that entry. Icons are loaded
// once per group and kept for the whole run, like the window system's shared icons.
#pragma once

#include <QIcon>
#include <QImage>
#include <span>
#include <vector>

#include "framework/winapi/win_types.h"

namespace framework {

// The best image of each size in `icoFile`, smallest first; empty when nothing decodes.
std::vector<QImage> DecodeIconGroup(std::span<const unsigned char> icoFile);

// The handle of registered icon group `id` (the same one every time), or null when the group
// is missing or holds no image that decodes.
HICON LoadIconGroup(UINT id);

// The image drawn for `icon` at size x size pixels: the image of that size, else the nearest
// larger one (or the largest) scaled. A null image for a bad handle.
QImage IconImage(HICON icon, int size);

// Every size of `icon`, for a window's title bar and taskbar button; empty for a bad handle.
QIcon WindowIcon(HICON icon);

} // namespace framework
