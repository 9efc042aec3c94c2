#include "save_dialog.h"

#include <QDir>
#include <QFileDialog>

namespace tavrel::ui {

std::optional<std::string> ShowSaveDialog(QWidget* parent, const SaveDialogSettings& settings) {
    // A new dialog each time, so the proposed name and folder are set anew
    // and no earlier choice is offered again.
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QString::fromStdString(settings.filterName) + QStringLiteral(u" (") +
                         QString::fromStdString(settings.filterPattern) + u')');
    dialog.setDefaultSuffix(QString());
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings.overwritePrompt);
    dialog.setDirectory(QDir::currentPath());
    dialog.selectFile(QString::fromStdString(settings.proposedName));

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
    return chosen.front().toStdString();
}

}  // namespace tavrel::ui
