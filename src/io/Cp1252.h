#pragma once

#include <string>
#include <string_view>

namespace umbrarix {

// Text inside the program is UTF-8; every file it writes or reads is Windows-1252, one byte
// per character ("€" is 0x80, unlike Latin-1). Characters without a Windows-1252 byte are
// written as "?"; invalid UTF-8 bytes likewise.
std::string NachCp1252(std::string_view utf8);
std::string AusCp1252(std::string_view bytes);

// A text file as the user may have saved it: bytes that are valid UTF-8 and hold at least one
// multi-byte sequence (a byte-order mark counts; it is dropped) are UTF-8, as a modern editor
// writes them; everything else is Windows-1252, as the program writes it.
std::string AusDateitext(std::string_view bytes);

} // namespace umbrarix
