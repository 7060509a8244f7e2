#pragma once

#include <span>
#include <string_view>

namespace umbrarix {

// One preset location. The values are texts because a location is recognised by comparing
// the three field texts character for character.
struct TStandort {
    std::string_view Name;
    std::string_view Breitengrad; // degrees north
    std::string_view Laengengrad; // degrees, west positive, east negative
    std::string_view Zeitzone;    // hours east of Greenwich
};

inline constexpr std::string_view SonstigerStandort = "-Sonstiger Standort-";

// The 61 preset locations in pick-list order.
std::span<const TStandort> Standortkatalog();

// The name of the catalogue entry whose three texts equal the given ones exactly,
// otherwise "-Sonstiger Standort-".
std::string_view Standortname(std::string_view breitengrad, std::string_view laengengrad,
                              std::string_view zeitzone);

} // namespace umbrarix
