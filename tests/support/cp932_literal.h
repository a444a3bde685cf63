// Test helpers: code page 932 bytes from readable UTF-8 literals, converted independently of the product.
#pragma once

#include <string>

// The code page 932 form of a UTF-8 text (iconv natively, the platform's converter on Windows).
std::string Sjis(const char* utf8);
// A UTF-8 text as the bytes of a file marked as "utf-8", "utf-16le" or "utf-16be", mark first.
std::string MarkedFile(const std::string& encoding, const std::string& utf8);

#ifdef _WIN32
// Code page 932 text as the UTF-16 of the wide functions, and back ("?" for what it cannot hold),
// named as code page 932 whatever the system's ANSI code page is.
std::wstring WideOfSjis(const std::string& cp932);
std::string SjisOfWide(const std::wstring& wide);
#endif
