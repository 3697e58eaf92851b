// CString: the byte string every word, selection and result is held in.
//
// One byte is one character (in the system's narrow encoding) and lengths are counted in
// bytes. It offers exactly what the program uses: construction (empty, from NUL-terminated
// text, by copy), assignment, the NUL-terminated text, GetLength, GetAt, IsEmpty, appending
// a character or a string, and a case-sensitive Compare. It knows nothing of any toolkit,
// so the word search core can use it on its own.
#pragma once

class CString {
public:
    CString() noexcept;
    CString(const char* text);  // NOLINT: implicit like the framework string it stands for
    CString(const CString& other);
    CString(CString&& other) noexcept;
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;

    // The NUL-terminated text; valid until the string is next changed.
    operator const char*() const noexcept;  // NOLINT: the framework string converts implicitly

    int GetLength() const noexcept;
    char GetAt(int index) const noexcept;
    bool IsEmpty() const noexcept;

    CString& operator+=(char ch);
    CString& operator+=(const CString& other);

    // Negative, zero or positive, case-sensitive; bytes compare as unsigned, so bytes 128
    // to 255 order after all ASCII.
    int Compare(const char* other) const noexcept;

private:
    // Representation is the implementer's: see cstring.cpp.
};
