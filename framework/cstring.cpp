#include "framework/cstring.h"

#include <algorithm>
#include <climits>
#include <new>
#include <stdexcept>

namespace {

// A long text's heap block starts with its capacity, so the object itself needs no room
// for it; the text and its NUL follow.
constexpr std::size_t kHeaderSize = sizeof(std::size_t);

// Lengths are reported as int, so no text may be longer than INT_MAX bytes.
constexpr std::size_t kMaxLength = INT_MAX;
constexpr std::size_t kMinLongCapacity = 32;

int CheckedLength(std::size_t length) {
    if (length > kMaxLength)
        throw std::length_error("CString longer than INT_MAX bytes");
    return static_cast<int>(length);
}

char* AllocateText(std::size_t capacity) {
    char* block = static_cast<char*>(::operator new(kHeaderSize + capacity + 1));
    std::memcpy(block, &capacity, kHeaderSize);
    return block + kHeaderSize;
}

std::size_t CapacityOf(const char* text) noexcept {
    std::size_t capacity;
    std::memcpy(&capacity, text - kHeaderSize, kHeaderSize);
    return capacity;
}

void FreeText(char* text) noexcept {
    ::operator delete(text - kHeaderSize);
}

} // namespace

CString::CString() noexcept : m_bytes{} {
    SetShortLength(0);
}

CString::CString(const char* text) : m_bytes{} {
    SetShortLength(0);
    if (text != nullptr)
        Assign(text, CheckedLength(std::strlen(text)));
}

CString::CString(const CString& other) : m_bytes{} {
    if (other.IsLong()) {
        SetShortLength(0);
        Assign(other.LongText(), other.GetLength());
    } else {
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
    }
}

CString::CString(CString&& other) noexcept {
    std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
    other.SetShortLength(0);
}

CString::~CString() {
    if (IsLong())
        FreeText(LongText());
}

CString& CString::operator=(const CString& other) {
    if (this != &other)
        *this = CString(other);
    return *this;
}

CString& CString::operator=(CString&& other) noexcept {
    if (this != &other) {
        Release();
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        other.SetShortLength(0);
    }
    return *this;
}

char CString::GetAt(int index) const noexcept {
    if (index < 0 || index >= GetLength())
        return '\0';
    return Text()[index];
}

CString& CString::operator+=(char ch) {
    Append(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& other) {
    Append(other.Text(), other.GetLength());
    return *this;
}

int CString::Compare(const char* other) const noexcept {
    // strcmp compares as unsigned char, which puts bytes 128 to 255 after all ASCII.
    return std::strcmp(Text(), other != nullptr ? other : "");
}

void CString::SetShortLength(int length) noexcept {
    m_bytes[length] = '\0';
    m_bytes[15] = static_cast<char>(kShortCapacity - length);
}

void CString::SetLong(char* text, int length) noexcept {
    const std::int32_t stored = length;
    std::memcpy(m_bytes, &text, sizeof text);
    std::memcpy(m_bytes + kLengthOffset, &stored, sizeof stored);
    m_bytes[15] = static_cast<char>(kLongTag);
}

// Fills an empty short string with `length` bytes of `text`.
void CString::Assign(const char* text, int length) {
    if (length <= kShortCapacity) {
        std::memcpy(m_bytes, text, static_cast<std::size_t>(length));
        SetShortLength(length);
        return;
    }
    char* copy = AllocateText(static_cast<std::size_t>(length));
    std::memcpy(copy, text, static_cast<std::size_t>(length));
    copy[length] = '\0';
    SetLong(copy, length);
}

// `text` may point into this string (s += s), so the old text is freed only after copying.
void CString::Append(const char* text, int length) {
    const int oldLength = GetLength();
    const int newLength =
        CheckedLength(static_cast<std::size_t>(oldLength) + static_cast<std::size_t>(length));
    if (newLength <= kShortCapacity) {
        std::memmove(m_bytes + oldLength, text, static_cast<std::size_t>(length));
        SetShortLength(newLength);
        return;
    }
    if (IsLong() && CapacityOf(LongText()) >= static_cast<std::size_t>(newLength)) {
        char* own = LongText();
        std::memmove(own + oldLength, text, static_cast<std::size_t>(length));
        own[newLength] = '\0';
        SetLong(own, newLength);
        return;
    }
    const std::size_t doubled = std::min(kMaxLength, 2 * static_cast<std::size_t>(oldLength));
    const std::size_t capacity =
        std::max({static_cast<std::size_t>(newLength), doubled, kMinLongCapacity});
    char* grown = AllocateText(capacity);
    std::memcpy(grown, Text(), static_cast<std::size_t>(oldLength));
    std::memcpy(grown + oldLength, text, static_cast<std::size_t>(length));
    grown[newLength] = '\0';
    if (IsLong())
        FreeText(LongText());
    SetLong(grown, newLength);
}

void CString::Release() noexcept {
    if (IsLong())
        FreeText(LongText());
    SetShortLength(0);
}
