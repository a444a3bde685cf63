// Test helpers: code page 932 bytes from readable UTF-8 literals, converted independently of the product.
#pragma once

#include <string>

// The code page 932 form of a UTF-8 text (iconv natively, the platform's converter on Windows).
std::string Sjis(const char* utf8);
