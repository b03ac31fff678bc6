// Windows-1252 <-> Unicode / UTF-8, for glyph lookup and file-system names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bevel::detail {

// Unicode code point of a Windows-1252 byte. The five undefined bytes (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 control of the same value.
char32_t Cp1252ToUnicode(unsigned char c);
// The byte for a code point, or -1 when Windows-1252 has none.
int UnicodeToCp1252(char32_t u);
std::string Cp1252ToUtf8(std::string_view text);
// Decodes UTF-8; characters Windows-1252 lacks (and malformed bytes) become '?'.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace bevel::detail
