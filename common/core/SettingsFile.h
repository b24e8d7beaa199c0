// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings files of the three programs: bare numbers, one a line, each as
// a settings line (" 1 " CR LF). They are read free-format and fail silently.
#include <initializer_list>
#include <string>

namespace smek {

// Reads the numbers into the fields in order; an item that is missing or not
// a number leaves its field as it was.
void readSettingsNumbers(const std::string& content, std::initializer_list<int*> fields);
std::string settingsLines(std::initializer_list<int> values);

} // namespace smek
