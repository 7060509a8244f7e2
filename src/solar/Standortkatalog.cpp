#include "solar/Standortkatalog.h"

#include <array>

namespace umbrarix {

namespace {

const std::array<TStandort, 61> Katalog{{
    {"Amsterdam", "52.4", "-4.5", "1"},   {"Athen", "38.0", "-23.4", "2"},
    {"Barcelona", "41.3", "-2.1", "1"},   {"Belgrad", "44.4", "-20.4", "1"},
    {"Berlin", "52.3", "-13.3", "1"},     {"Bern", "46.6", "-7.3", "1"},
    {"Bratislawa", "48.1", "-17.1", "1"}, {"Bremen", "53.0", "-8.5", "1"},
    {"Brüssel", "50.5", "-4.2", "1"},     {"Bordaux", "44.5", " 0.4", "1"},
    {"Budapest", "47.3", "-19.1", "1"},   {"Bukarest", "44.5", "-26.1", "2"},
    {"Dortmund", "51.5", "-7.4", "1"},    {"Dresden", "51.1", "-13.5", "1"},
    {"Dublin", "53.3", "6.1", "0"},       {"Edingburgh", "55.5", "2.4", "0"},
    {"Evora", "38.3", "7.5", "0"},        {"Frankfurt a.M.", "49.5", "-9.0", "1"},
    {"Genf", "46.2", "-6.1", "1"},        {"Hamburg", "53.4", "-10.1", "1"},
    {"Hannover", "52.2", "-9.7", "1"},    {"Helsinki", "59.6", "-24.1", "2"},
    {"Insbruck", "47.2", "-11.2", "1"},   {"Karlstad", "59.2", "-13.3", "1"},
    {"Kiel", "54.2", "-10.1", "1"},       {"Kiew", "50.1", "-30.5", "2"},
    {"Köln", "50.5", "-7.0", "1"},        {"Kopenhagen", "55.4", "-12.3", "1"},
    {"Leipzig", "51.2", "-12.8", "1"},    {"Lissabon", "38.4", "9.0", "0"},
    {"Ljubljana", "46.0", "-14.3", "1"},  {"London", "51.4", "0.0", "0"},
    {"Luea", "65.3", "-22.1", "1"},       {"Lyon", "45.6", "-4.5", "1"},
    {"Madrid", "40.3", "3.4", "1"},       {"Mailand", "45.3", "-9.2", "1"},
    {"Minsk", "53.3", "-27.2", "3"},      {"Moskau", "55.6", "-37.3", "3"},
    {"München", "48.1", "-11.2", "1"},    {"Oslo", "59.5", "-10.4", "1"},
    {"Palermo", "38.0", "-13.4", "1"},    {"Paris", "49.1", "-2.1", "1"},
    {"Podgorcia", "43.0", "-19.0", "1"},  {"Porto", "41.1", "8.4", "0"},
    {"Prag", "50.0", "-14.3", "1"},       {"Rennes", "48.0", "1.4", "1"},
    {"Reykjavik", "64.2", "21.2", "0"},   {"Riga", "56.5", "-24.0", "2"},
    {"Rom", "42.1", "-12.2", "1"},        {"Santander", "43.3", "3.5", "1"},
    {"Sevilla", "37.3", "5.5", "1"},      {"Skopje", "41.2", "-21.3", "1"},
    {"Sofia", "42.5", "-23.5", "2"},      {"Stockholm", "59.1", "-17.6", "1"},
    {"Stuttgart", "48.5", "-9.1", "1"},   {"Tallin", "59.1", "-24.3", "2"},
    {"Tirana", "41.0", "-20.0", "1"},     {"Warschau", "52.2", "-20.6", "1"},
    {"Wilna", "54.5", "-25.5", "2"},      {"Wien", "48.2", "-16.3", "1"},
    {"Zagreb", "45.3", "-15.6", "1"},
}};

} // namespace

std::span<const TStandort> Standortkatalog() {
    return Katalog;
}

std::string_view Standortname(std::string_view breitengrad, std::string_view laengengrad,
                              std::string_view zeitzone) {
    std::string_view name = SonstigerStandort;
    for (const TStandort& s : Katalog) {
        if (s.Breitengrad == breitengrad && s.Laengengrad == laengengrad &&
            s.Zeitzone == zeitzone) {
            name = s.Name;
        }
    }
    return name;
}

} // namespace umbrarix
