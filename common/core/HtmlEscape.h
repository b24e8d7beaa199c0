// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text written into an HTML page as characters, never as markup: "<", ">"
// and "&" become entities. Byte-wise, so CP1251 and UTF-8 text alike.
#include <string>
#include <string_view>

namespace smek {

void appendHtmlEscaped(std::string& out, char c);
std::string htmlEscape(std::string_view text);

} // namespace smek
