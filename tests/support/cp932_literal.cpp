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

std::wstring WideOfSjis(const std::string& cp932) {
    std::wstring wide(cp932.size(), L'\0');
    const int length = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(length));
    return wide;
}

std::string SjisOfWide(const std::wstring& wide) {
    std::string cp932(wide.size() * 2, '\0');
    const int length = WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), cp932.data(),
                                           static_cast<int>(cp932.size()), nullptr, nullptr);
    cp932.resize(static_cast<std::size_t>(length));
    return cp932;
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

std::string MarkedFile(const std::string& encoding, const std::string& utf8) {
    if (encoding == "utf-8") return "\xEF\xBB\xBF" + utf8;
    const bool bigEndian = encoding == "utf-16be";
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    const auto put = [&](unsigned unit) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        unsigned code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length; ++k) code = code << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += static_cast<std::size_t>(length);
        if (code < 0x10000) {
            put(code);
        } else {
            put(0xD800 + ((code - 0x10000) >> 10));
            put(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}
