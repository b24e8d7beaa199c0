// SPDX-License-Identifier: GPL-3.0-or-later
#include "Redirect.h"

#include "TextFile.h"

namespace smek {

std::string redirectPage(const std::string& address) {
    return "<html><head><meta http-equiv='refresh' content='0; url=" + address +
           "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'><title>WWW</title></head>"
           "<body></body></html>\r\n";
}

std::optional<std::filesystem::path> writeRedirectPage(const std::string& pathData, const std::string& address,
                                                       int attempts) {
    const std::string page = redirectPage(address);
    for (int n = 0; n < attempts; ++n) {
        const std::filesystem::path target = pathData + std::to_string(n) + ".html";
        if (!writeTextFileAtomic(target, page)) return target;
    }
    return std::nullopt;
}

} // namespace smek
