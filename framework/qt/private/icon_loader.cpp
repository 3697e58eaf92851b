// ICO decoding and the HICON table (see icon_loader.h).
#include "framework/qt/private/icon_loader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QPixmap>
#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "framework/qt/private/handles.h"
#include "framework/resources.h"

namespace framework {
namespace {

constexpr std::size_t kDirectoryHeaderSize = 6;
constexpr std::size_t kDirectoryEntrySize = 16;

struct DirectoryEntry {
    int bitCount = 0;
    std::size_t entryOffset = 0; // where the 16-byte entry starts in the file
    std::uint32_t imageSize = 0;
    std::uint32_t imageOffset = 0;
};

unsigned ReadWord(std::span<const unsigned char> bytes, std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8);
}

std::uint32_t ReadDword(std::span<const unsigned char> bytes, std::size_t at) {
    return ReadWord(bytes, at) | (static_cast<std::uint32_t>(ReadWord(bytes, at + 2)) << 16);
}

// Colour depth from the entry: its bit count, else what its palette size implies.
int EntryBitCount(std::span<const unsigned char> ico, std::size_t at) {
    const int bitCount = static_cast<int>(ReadWord(ico, at + 6));
    if (bitCount != 0)
        return bitCount;
    const int colours = ico[at + 2];
    return colours == 2 ? 1 : colours == 16 ? 4 : 8;
}

// The directory entries whose image lies inside the file; empty for anything not an .ico.
std::vector<DirectoryEntry> ReadDirectory(std::span<const unsigned char> ico) {
    std::vector<DirectoryEntry> entries;
    if (ico.size() < kDirectoryHeaderSize || ReadWord(ico, 0) != 0 || ReadWord(ico, 2) != 1)
        return entries;
    const std::size_t count = ReadWord(ico, 4);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kDirectoryHeaderSize + i * kDirectoryEntrySize;
        if (at + kDirectoryEntrySize > ico.size())
            break;
        const DirectoryEntry entry{EntryBitCount(ico, at), at, ReadDword(ico, at + 8),
                                   ReadDword(ico, at + 12)};
        if (std::uint64_t{entry.imageOffset} + entry.imageSize <= ico.size())
            entries.push_back(entry);
    }
    return entries;
}

// Makes the pixels that an image's 1-bpp AND mask marks transparent. The toolkit's reader
// honours the mask for palette images but not for 24-bpp ones, whose corners would then
// show black; applying it here treats every depth alike. 32-bpp (own alpha) and PNG
// entries are left as decoded.
void ApplyAndMask(QImage& image, std::span<const unsigned char> dib) {
    constexpr std::size_t kInfoHeaderSize = 40;
    if (image.isNull() || dib.size() < kInfoHeaderSize || ReadDword(dib, 0) != kInfoHeaderSize)
        return;
    const int width = static_cast<int>(ReadDword(dib, 4));
    const int bitCount = static_cast<int>(ReadWord(dib, 14));
    if (bitCount >= 32 || width != image.width())
        return;
    const std::size_t height = static_cast<std::size_t>(image.height());
    const std::uint32_t coloursUsed = ReadDword(dib, 32);
    const std::size_t palette =
        bitCount <= 8 ? 4 * (coloursUsed ? coloursUsed : (1u << bitCount)) : 0;
    const std::size_t xorRow = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
    const std::size_t andRow = (static_cast<std::size_t>(width) + 31) / 32 * 4;
    const std::size_t maskStart = kInfoHeaderSize + palette + xorRow * height;
    if (maskStart + andRow * height > dib.size())
        return;
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (std::size_t row = 0; row < height; ++row) {
        const unsigned char* mask = dib.data() + maskStart + andRow * (height - 1 - row);
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(row)));
        for (int x = 0; x < width; ++x)
            if (mask[x / 8] & (0x80 >> (x % 8)))
                pixels[x] = qRgba(0, 0, 0, 0);
    }
}

// Decodes one entry by wrapping it as a single-image .ico file.
QImage DecodeEntry(std::span<const unsigned char> ico, const DirectoryEntry& entry) {
    QByteArray single("\0\0\1\0\1\0", static_cast<int>(kDirectoryHeaderSize));
    single.append(reinterpret_cast<const char*>(ico.data() + entry.entryOffset), 12);
    const std::uint32_t offset = kDirectoryHeaderSize + kDirectoryEntrySize;
    for (int shift = 0; shift < 32; shift += 8)
        single.append(static_cast<char>((offset >> shift) & 0xFF));
    single.append(reinterpret_cast<const char*>(ico.data() + entry.imageOffset),
                  static_cast<qsizetype>(entry.imageSize));
    QImage image;
    image.loadFromData(single, "ICO");
    ApplyAndMask(image, ico.subspan(entry.imageOffset, entry.imageSize));
    return image;
}

struct IconEntry {
    std::vector<QImage> images;
};

std::unordered_map<ULONG_PTR, IconEntry>& Icons() {
    static std::unordered_map<ULONG_PTR, IconEntry> icons;
    return icons;
}

const IconEntry* FindIcon(HICON icon) {
    const auto found = Icons().find(reinterpret_cast<ULONG_PTR>(icon));
    return found == Icons().end() ? nullptr : &found->second;
}

} // namespace

std::vector<QImage> DecodeIconGroup(std::span<const unsigned char> icoFile) {
    std::vector<std::pair<QImage, int>> best; // image and its colour depth, one per size
    for (const DirectoryEntry& entry : ReadDirectory(icoFile)) {
        QImage image = DecodeEntry(icoFile, entry);
        if (image.isNull())
            continue;
        auto same = std::find_if(best.begin(), best.end(), [&](const auto& kept) {
            return kept.first.size() == image.size();
        });
        if (same == best.end())
            best.emplace_back(std::move(image), entry.bitCount);
        else if (entry.bitCount > same->second)
            *same = {std::move(image), entry.bitCount};
    }
    std::sort(best.begin(), best.end(),
              [](const auto& a, const auto& b) { return a.first.width() < b.first.width(); });
    std::vector<QImage> images;
    for (auto& [image, depth] : best)
        images.push_back(std::move(image));
    return images;
}

HICON LoadIconGroup(UINT id) {
    static std::unordered_map<UINT, ULONG_PTR> loaded;
    if (const auto found = loaded.find(id); found != loaded.end())
        return reinterpret_cast<HICON>(found->second);
    std::vector<QImage> images = DecodeIconGroup(FindIconGroup(id));
    if (images.empty())
        return nullptr;
    const ULONG_PTR handle = NextHandleValue();
    Icons()[handle] = IconEntry{std::move(images)};
    loaded[id] = handle;
    return reinterpret_cast<HICON>(handle);
}

QImage IconImage(HICON icon, int size) {
    const IconEntry* entry = FindIcon(icon);
    if (!entry || size <= 0)
        return QImage();
    const auto fits = std::find_if(entry->images.begin(), entry->images.end(),
                                   [size](const QImage& image) { return image.width() >= size; });
    const QImage& chosen = fits != entry->images.end() ? *fits : entry->images.back();
    if (chosen.size() == QSize(size, size))
        return chosen;
    return chosen.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QIcon WindowIcon(HICON icon) {
    const IconEntry* entry = FindIcon(icon);
    if (!entry || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QIcon();
    QIcon windowIcon;
    for (const QImage& image : entry->images)
        windowIcon.addPixmap(QPixmap::fromImage(image));
    return windowIcon;
}

} // namespace framework
