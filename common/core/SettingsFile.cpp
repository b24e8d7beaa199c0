// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFile.h"

#include "FreeFormat.h"
#include "NumberText.h"

namespace smek {

void readSettingsNumbers(const std::string& content, std::initializer_list<int*> fields) {
    FreeFormatReader reader(content);
    for (int* field : fields)
        if (const auto value = reader.readNumber()) *field = *value;
}

std::string settingsLines(std::initializer_list<int> values) {
    std::string text;
    for (const int value : values) text += settingsLine(value);
    return text;
}

} // namespace smek
