// CString: the byte string every word, selection and result is held in.
//
// One byte is one character (in the system's narrow encoding) and lengths are counted in
// bytes. It offers exactly what the program uses: construction (empty, from NUL-terminated
// text, by copy), assignment, the NUL-terminated text, GetLength, GetAt, IsEmpty, appending
// a character or a string, and a case-sensitive Compare. It knows nothing of any toolkit,
// so the word search core can use it on its own.
//
// It is 16 bytes: texts of up to 15 bytes live inside the object, longer ones on the heap.
// A dictionary holds one per line, so its size matters more than append speed. It is not a
// general text type: no search, no formatting, no encodings.
#pragma once

#include <cstdint>
#include <cstring>

class CString {
public:
    CString() noexcept;
    CString(const char* text); // NOLINT: implicit like the framework string it stands for
    CString(const CString& other);
    CString(CString&& other) noexcept;
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;

    // The NUL-terminated text; valid until the string is next changed.
    operator const char*() const noexcept { return Text(); } // NOLINT: converts implicitly

    int GetLength() const noexcept;
    // The byte at `index`, or NUL when `index` is outside the text.
    char GetAt(int index) const noexcept;
    bool IsEmpty() const noexcept { return GetLength() == 0; }

    CString& operator+=(char ch);
    CString& operator+=(const CString& other);

    // Negative, zero or positive, case-sensitive; bytes compare as unsigned, so bytes 128
    // to 255 order after all ASCII.
    int Compare(const char* other) const noexcept;

private:
    // Short form: the text in m_bytes[0..15), NUL-terminated, and m_bytes[15] holds
    // 15 minus the length, so a 15-byte text ends on the zero that doubles as its NUL.
    // Long form: m_bytes[15] is kLongTag, the heap pointer sits at m_bytes[0] and the
    // length at m_bytes[8]; the heap block starts with its capacity (see cstring.cpp).
    static constexpr int kShortCapacity = 15;
    static constexpr unsigned char kLongTag = 0x80;
    static constexpr int kLengthOffset = 8;

    bool IsLong() const noexcept {
        return static_cast<unsigned char>(m_bytes[15]) > kShortCapacity;
    }
    char* LongText() const noexcept;
    const char* Text() const noexcept { return IsLong() ? LongText() : m_bytes; }

    void SetShortLength(int length) noexcept;
    void SetLong(char* text, int length) noexcept;
    void Assign(const char* text, int length);
    void Append(const char* text, int length);
    void Release() noexcept;

    alignas(8) char m_bytes[16];
};

inline char* CString::LongText() const noexcept {
    char* text;
    std::memcpy(&text, m_bytes, sizeof text);
    return text;
}

inline int CString::GetLength() const noexcept {
    if (!IsLong())
        return kShortCapacity - static_cast<unsigned char>(m_bytes[15]);
    std::int32_t length;
    std::memcpy(&length, m_bytes + kLengthOffset, sizeof length);
    return length;
}
