// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The on-line dictionary look-up: the address of a word's article.
#include <string>
#include <string_view>

namespace smek::slovolov {

// The Russian Wiktionary, free and meant to stay: a word's article address is
// the word itself, in lower case, UTF-8, percent-encoded. (The dictionary
// host of the original look-up, with its "/search.xml?text=" query in
// CP1251, closed years ago.)
inline constexpr const char* kDictionaryArticle = "https://ru.wiktionary.org/wiki/";

// kDictionaryArticle + the word in lower case, its UTF-8 bytes percent-encoded
// (unreserved characters, the hyphen among them, kept; a space as "_", as
// the dictionary names its articles): ЁЖ -> .../wiki/%D1%91%D0%B6.
std::string lookupAddress(std::string_view cp1251Word);

} // namespace smek::slovolov
