#include "Lookup.h"

#include "common/core/Cp1251.h"
#include "common/core/HtmlEscape.h"

#include <cstdio>

namespace slovolov {
namespace {

bool keptAsIs(unsigned char c) {
    return (c >= 97 && c <= 122) || (c >= 65 && c <= 90) || (c >= 48 && c <= 57);
}

} // namespace

std::string encodeQuery(std::string_view word) {
    std::string out;
    for (char ch : word) {
        const auto c = static_cast<unsigned char>(ch);
        if (keptAsIs(c)) {
            out += ch;
        } else if (c == 32) {
            out += '+';
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%%%X", c);
            out += hex;
        }
    }
    return out;
}

std::string fileUrl(std::string_view path) {
    std::string out = "file://";
    if (path.empty() || path.front() != '/') out += '/';
    for (char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        const bool plain = keptAsIs(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            out += ch;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}

std::string lookupPage(std::string_view word, const std::string& bannerUrl) {
    std::string page = smek::w1251(
        "<HTML><head><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
        "<title>[Словари on-line] ");
    // A word from an edited saved game cannot end the title and put its own
    // elements into the page.
    page += smek::htmlEscape(word);
    page += "</title>";
    // The designed page carried a web-analytics snippet of two script
    // elements. We run no analytics: the two elements stay, loading nothing.
    page += "<script type='text/javascript'></script>"
            "<script type='text/javascript'>var analytics = null;</script>";
    page += "</head><frameset rows='";
    page += "90,*' frameborder=1 framespacing=0 cols='*'><frame src='";
    page += bannerUrl;
    page += "' frameborder=0 vspace=0 hspace=0 marginwidth=0 marginheight=0 scrolling=no name='1'><frame src='";
    page += kDictionarySearch;
    page += encodeQuery(word);
    page += "' name=c frameborder=0 vspace=0 hspace=0 marginwidth=0 marginheight=0 scrolling=auto></frameset></html>";
    page += "\r\n";
    return page;
}

} // namespace slovolov
