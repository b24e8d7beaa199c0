// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShowHtml.h"

#include "common/core/Cp1251.h"
#include "common/core/HtmlEscape.h"

#include <algorithm>

namespace smek::slovoset {

const std::string kH0 =
    "<!DOCTYPE HTML PUBLIC '-//W3C//DTD HTML 4.0 Transitional//EN'><html><head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">";
const std::string kV1 = "<title></title></head><body topmargin=0 leftmargin=0 rightmargin=0>";
const std::string kB1 = "<!- up --><table><td><font face='Times New Roman' color='#000000' size='4'>";
const std::string kB2 = "</font></td></table></body></html>";
const std::string kIdetAnaliz = smek::w1251("Идёт анализ...");

std::string htmlViewDocument(const std::string& html) {
    return kH0 + kV1 + kB1 + html + kB2;
}

std::string htmlViewBody(const std::string& html) {
    return kB1 + html + kB2;
}

namespace {

constexpr std::string_view kBr = "<br>";

// What the author wrote at one position, as CP1251 HTML.
void appendWritten(std::string& out, std::string_view utf8) {
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        if (!smek::nextUtf8(utf8, i, c)) c = 0xFFFD;
        const char b = smek::unicodeToCp1251(c);
        if (b == '?' && c != '?') out += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
        else smek::appendHtmlEscaped(out, b);
    }
}

bool isBlank(char32_t c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

} // namespace

std::string htmlText(std::string_view tekst, const KakNapisano& written, int first) {
    std::string out;
    out.reserve(tekst.size() + tekst.size() / 8);
    auto entry = written.lower_bound(first);
    for (size_t i = 0; i < tekst.size(); ++i) {
        const int pos = first + static_cast<int>(i);
        while (entry != written.end() && entry->first < pos) ++entry;
        if (tekst.compare(i, kBr.size(), kBr) == 0) {
            out += kBr;
            i += kBr.size() - 1;
        } else if (entry != written.end() && entry->first == pos) {
            appendWritten(out, entry->second);
        } else {
            smek::appendHtmlEscaped(out, tekst[i]);
        }
    }
    return out;
}

int shownMarksBefore(std::string_view tekst, int nachalo, const KakNapisano& written) {
    const size_t end = std::min(tekst.size(), static_cast<size_t>(std::max(nachalo - 1, 0)));
    int marks = 0;
    for (size_t i = 0; i < end; ++i) {
        if (tekst.compare(i, kBr.size(), kBr) == 0) {
            i += kBr.size() - 1;
            continue;
        }
        const auto entry = written.find(static_cast<int>(i) + 1);
        if (entry == written.end()) {
            if (!isBlank(smek::cp1251ToUnicode(static_cast<unsigned char>(tekst[i])))) ++marks;
            continue;
        }
        size_t k = 0;
        while (k < entry->second.size()) {
            char32_t c = 0;
            if (!smek::nextUtf8(entry->second, k, c)) c = 0xFFFD;
            if (!isBlank(c)) marks += c > 0xFFFF ? 2 : 1;
        }
    }
    return marks;
}

} // namespace smek::slovoset
