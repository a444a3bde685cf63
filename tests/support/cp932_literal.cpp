// Converting UTF-8 test literals to code page 932.
#include "support/cp932_literal.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>

std::string Sjis(const char* utf8) {
    const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
    if (wideLength <= 0) throw std::runtime_error("bad UTF-8 literal");
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), wideLength);
    const int length = WideCharToMultiByte(932, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(932, 0, wide.c_str(), -1, result.data(), length, nullptr, nullptr);
    result.resize(static_cast<std::size_t>(length - 1));
    return result;
}
#else
#include <iconv.h>

#include <cstring>
#include <vector>

std::string Sjis(const char* utf8) {
    iconv_t converter = iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 converter");
    std::vector<char> in(utf8, utf8 + std::strlen(utf8));
    std::vector<char> out(in.size() * 2 + 4);
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t converted = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1)) throw std::runtime_error("not representable in CP932");
    return std::string(out.data(), out.size() - outLeft);
}
#endif
