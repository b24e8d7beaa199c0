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

std::string htmlText(std::string_view tekst) {
    static constexpr std::string_view kBr = "<br>";
    std::string out;
    out.reserve(tekst.size() + tekst.size() / 8);
    for (size_t i = 0; i < tekst.size(); ++i) {
        if (tekst.compare(i, kBr.size(), kBr) == 0) {
            out += kBr;
            i += kBr.size() - 1;
        } else {
            smek::appendHtmlEscaped(out, tekst[i]);
        }
    }
    return out;
}

int shownMarksBefore(std::string_view tekst, int nachalo) {
    static constexpr std::string_view kBr = "<br>";
    const size_t end = std::min(tekst.size(), static_cast<size_t>(std::max(nachalo - 1, 0)));
    int marks = 0;
    for (size_t i = 0; i < end; ++i) {
        if (tekst.compare(i, kBr.size(), kBr) == 0) {
            i += kBr.size() - 1;
            continue;
        }
        const char c = tekst[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\xA0') ++marks; // A0: no-break space
    }
    return marks;
}

} // namespace smek::slovoset
