// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SHA-256, for the answer hashes of the web pages (the page's script computes
// the same) and the hashes of its inline script and style in the page's
// security policy.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace smek::web {

std::array<std::uint8_t, 32> sha256(std::string_view bytes);
std::string sha256Hex(std::string_view bytes);
std::string base64(const std::uint8_t* data, std::size_t size);

} // namespace smek::web
