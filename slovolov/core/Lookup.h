#pragma once
// The on-line dictionary look-up page.
#include <string>
#include <string_view>

namespace slovolov {

// The dictionary's search page; the design fixes the path "/search.xml" and
// the query key "text".
inline const char* kDictionarySearch = "https://slovari.yandex.ru/search.xml?text=";
// The small banner page shipped in the data folder (shown in the top frame).
inline const char* kBannerPage = "SlovarBanner.htm";
// The page's file name; it lives in the system's temporary folder.
inline const char* kLookupPage = "Slovar.htm";

// Latin letters and digits kept, a space as "+", every other byte as "%"
// and its upper-case hex code without leading zeros (ЁЖ -> %A8%C6).
std::string encodeQuery(std::string_view cp1251Word);
// A file URL for a local UTF-8 path, percent-encoded to plain ASCII.
std::string fileUrl(std::string_view utf8Path);
// The one-line frameset page, CP1251, ended by CR LF; the word's markup
// characters (& < >) appear in the title as entities.
std::string lookupPage(std::string_view cp1251Word, const std::string& bannerUrl);

} // namespace slovolov
