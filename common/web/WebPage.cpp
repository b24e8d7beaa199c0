// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebPage.h"

#include "Sha256.h"
#include "common/core/Cp1251.h"
#include "common/core/HtmlEscape.h"

#include <cstdio>

namespace smek::web {

namespace templates {
extern const std::string_view kPageHtml;
extern const std::string_view kPageCss;
extern const std::string_view kCommonJs;
extern const std::string_view kSlovolovJs;
extern const std::string_view kSlovosetJs;
extern const std::string_view kBukvokladJs;
} // namespace templates

namespace {

std::string_view gameScript(Game game) {
    switch (game) {
    case Game::Slovolov: return templates::kSlovolovJs;
    case Game::Slovoset: return templates::kSlovosetJs;
    case Game::Bukvoklad: return templates::kBukvokladJs;
    }
    return {};
}

const char* gameName(Game game) {
    switch (game) {
    case Game::Slovolov: return "slovolov";
    case Game::Slovoset: return "slovoset";
    case Game::Bukvoklad: return "bukvoklad";
    }
    return "";
}

// The policy's source of an inline element: its SHA-256 in base 64.
std::string hashSource(std::string_view text) {
    const auto digest = sha256(text);
    return "'sha256-" + base64(digest.data(), digest.size()) + "'";
}

// The template with each {{name}} replaced; a name it does not know stays.
template <typename Lookup>
std::string fill(std::string_view tpl, Lookup lookup) {
    std::string out;
    out.reserve(tpl.size() * 2);
    size_t at = 0;
    while (true) {
        const size_t open = tpl.find("{{", at);
        const size_t close = open == std::string_view::npos ? open : tpl.find("}}", open + 2);
        if (close == std::string_view::npos) break;
        out.append(tpl, at, open - at);
        const std::string_view name = tpl.substr(open + 2, close - open - 2);
        if (const std::string* value = lookup(name)) out += *value;
        else out.append(tpl, open, close + 2 - open);
        at = close + 2;
    }
    out.append(tpl.substr(at));
    return out;
}

} // namespace

std::string jsonString(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (u < 0x20 || c == '<' || c == '>' || c == '&') {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", u);
                out += esc;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string puzzleSalt(std::string_view identity) { return sha256Hex(identity).substr(0, 16); }

std::string answerForm(std::string_view cp1251Word) {
    std::string w(cp1251Word);
    for (char& c : w)
        if (c == '\xA8') c = '\xC5'; // Ё counts as Е
    return cp1251ToUtf8(w);
}

std::string answerHash(std::string_view salt, int position, std::string_view cp1251Word) {
    const std::string input = std::string(salt) + "|" + std::to_string(position) + "|" + answerForm(cp1251Word);
    return sha256Hex(input).substr(0, 16);
}

std::string writePage(const PageContent& content) {
    const std::string style(templates::kPageCss);
    std::string script(templates::kCommonJs);
    script += gameScript(content.game);
    const std::string values[] = {
        htmlEscape(content.title),
        "default-src 'none'; script-src " + hashSource(script) + "; style-src " + hashSource(style) +
            "; base-uri 'none'; form-action 'none'",
        style,
        script,
        "{\"game\":\"" + std::string(gameName(content.game)) + "\",\"salt\":" + jsonString(content.salt) +
            ",\"title\":" + jsonString(content.title) + (content.data.empty() ? "" : ",") + content.data + "}",
        gameName(content.game),
    };
    static constexpr std::string_view names[] = {"title", "policy", "style", "script", "data", "game"};
    return fill(templates::kPageHtml, [&](std::string_view name) -> const std::string* {
        for (size_t i = 0; i < std::size(names); ++i)
            if (names[i] == name) return &values[i];
        return nullptr;
    });
}

} // namespace smek::web
