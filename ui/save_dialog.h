// The report's save dialog: a modal QFileDialog in save mode.
#pragma once

#include <optional>
#include <string>

#include "report_file.h"

class QWidget;

namespace tavrel::ui {

// Proposes settings.proposedName in the current working folder, offers the
// one filter "name (pattern)", adds no suffix to a typed name, and asks
// before replacing a file when settings.overwritePrompt is set. Returns the
// confirmed path (UTF-8), or nothing when the user cancelled.
std::optional<std::string> ShowSaveDialog(QWidget* parent, const SaveDialogSettings& settings);

}  // namespace tavrel::ui
