// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Сохранить как веб-страницу…" of every game: the save dialog (starting
// where the last page went), the overwrite question, the write that never
// leaves half a file, and the file message of a failure.
#include "Prompts.h"
#include "common/core/UserFiles.h"

#include <QString>
#include <functional>
#include <string>

namespace smek {

// The menu entry's caption, the same in the three programs.
QString saveWebPageCaption();

// Asks for a name (".html" added to a bare one) and writes the page made by
// `page` there. Returns the path written, empty when nothing was.
QString saveWebPage(Prompts& prompts, const Places& places, const QString& proposedName,
                    const std::function<std::string()>& page);

} // namespace smek
