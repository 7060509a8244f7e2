#include "io/Cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace umbrarix {

namespace {

// Unicode of the bytes 0x80..0x9F; 0 where Windows-1252 leaves the byte undefined.
constexpr std::array<char32_t, 32> Obere{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void Utf8Anhaengen(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < Obere.size(); ++i) {
        if (Obere[i] != 0 && Obere[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

enum class TUtf8Art { NurAscii, Utf8, KeinUtf8 };

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing beyond
// U+10FFFF) with at least one character of more than one byte, plain ASCII, or neither.
TUtf8Art Utf8Art(std::string_view s) {
    bool mehrbyte = false;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t laenge = 0;
        char32_t c = 0;
        char32_t kleinster = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            laenge = 2;
            c = b & 0x1F;
            kleinster = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            laenge = 3;
            c = b & 0x0F;
            kleinster = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            laenge = 4;
            c = b & 0x07;
            kleinster = 0x10000;
        } else {
            return TUtf8Art::KeinUtf8;
        }
        if (i + laenge > s.size()) {
            return TUtf8Art::KeinUtf8;
        }
        for (std::size_t k = 1; k < laenge; ++k) {
            const auto f = static_cast<unsigned char>(s[i + k]);
            if ((f & 0xC0) != 0x80) {
                return TUtf8Art::KeinUtf8;
            }
            c = (c << 6) | (f & 0x3F);
        }
        if (c < kleinster || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return TUtf8Art::KeinUtf8;
        }
        mehrbyte = true;
        i += laenge;
    }
    return mehrbyte ? TUtf8Art::Utf8 : TUtf8Art::NurAscii;
}

} // namespace

TDateitext DateitextLesen(std::string_view bytes) {
    constexpr std::string_view Bom = "\xEF\xBB\xBF";
    TDateitext t;
    const TUtf8Art ganz = Utf8Art(bytes);
    if (ganz != TUtf8Art::KeinUtf8) {
        t.Text = ganz == TUtf8Art::Utf8 ? std::string(bytes) : AusCp1252(bytes);
    } else {
        // Lines in either encoding: an editor that saved UTF-8 around a line pasted from an
        // older file. Each line is read in the encoding its bytes are valid in.
        std::vector<std::string_view> zeilen;
        for (std::size_t anfang = 0; anfang < bytes.size();) {
            const std::size_t ende = std::min(bytes.find('\n', anfang), bytes.size() - 1) + 1;
            zeilen.push_back(bytes.substr(anfang, ende - anfang));
            anfang = ende;
        }
        bool utf8 = false;
        for (const std::string_view z : zeilen) {
            utf8 = utf8 || Utf8Art(z) == TUtf8Art::Utf8;
        }
        if (!utf8) {
            t.Text = AusCp1252(bytes);
            return t;
        }
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            if (Utf8Art(zeilen[i]) == TUtf8Art::KeinUtf8) {
                t.Text += AusCp1252(zeilen[i]);
                t.Cp1252Zeilen.push_back(static_cast<int>(i) + 1);
            } else {
                t.Text += zeilen[i];
            }
        }
    }
    if (std::string_view(t.Text).substr(0, Bom.size()) == Bom) {
        t.Text.erase(0, Bom.size());
    }
    return t;
}

std::string AusDateitext(std::string_view bytes) {
    return DateitextLesen(bytes).Text;
}

std::string NachCp1252(std::string_view utf8) {
    std::string aus;
    aus.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t c = 0;
        std::size_t laenge = 0;
        if (b < 0x80) {
            c = b;
            laenge = 1;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            laenge = 2;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            laenge = 3;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            laenge = 4;
        }
        bool gueltig = laenge > 0 && i + laenge <= utf8.size();
        for (std::size_t k = 1; gueltig && k < laenge; ++k) {
            const auto f = static_cast<unsigned char>(utf8[i + k]);
            gueltig = (f & 0xC0) == 0x80;
            c = (c << 6) | (f & 0x3F);
        }
        if (!gueltig) {
            aus += '?';
            ++i;
            continue;
        }
        aus += Byte(c);
        i += laenge;
    }
    return aus;
}

std::string AusCp1252(std::string_view bytes) {
    std::string aus;
    aus.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F) {
            const char32_t c = Obere[b - 0x80];
            Utf8Anhaengen(aus, c != 0 ? c : U'?');
        } else {
            Utf8Anhaengen(aus, b);
        }
    }
    return aus;
}

} // namespace umbrarix
