// SPDX-License-Identifier: GPL-3.0-or-later
#include "HtmlEscape.h"

namespace smek {

void appendHtmlEscaped(std::string& out, char c) {
    switch (c) {
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '&': out += "&amp;"; break;
    default: out += c; break;
    }
}

std::string htmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) appendHtmlEscaped(out, c);
    return out;
}

} // namespace smek
