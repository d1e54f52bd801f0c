#include "qt/platform/qt_save_file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QPointer>
#include <QStringList>

#include "qt/text/qt_text.h"

namespace ormane::qt {

std::optional<platform::SaveChoice> QtSaveFileDialog::chooseSaveFile(
    const std::string& title, const std::string& suggestedName,
    const std::vector<platform::FileFormat>& formats) {
    QStringList filters;
    for (const platform::FileFormat& format : formats) {
        filters
            << QStringLiteral("%1 (*.%2)").arg(toQString(format.name), toQString(format.extension));
    }
    // The window may go while the dialog is up (the program ends): a guarded pointer.
    QPointer<QFileDialog> dialog = new QFileDialog(QApplication::activeWindow(), toQString(title));
    dialog->setObjectName(QStringLiteral("ormane-save-dialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(filters);
    if (!formats.empty()) dialog->setDefaultSuffix(toQString(formats.front().extension));
    // A name typed without an extension takes the one of the filter chosen.
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog,
                     [dialog, filters, formats](const QString& filter) {
                         const auto index = filters.indexOf(filter);
                         if (index >= 0)
                             dialog->setDefaultSuffix(toQString(formats[index].extension));
                     });
    dialog->selectFile(toQString(suggestedName));
    dialog->setWindowModality(Qt::ApplicationModal);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (dialog.isNull()) return std::nullopt;
    std::optional<platform::SaveChoice> choice;
    if (accepted && !dialog->selectedFiles().isEmpty()) {
        const auto format = filters.indexOf(dialog->selectedNameFilter());
        choice = platform::SaveChoice{toUtf8(dialog->selectedFiles().first()),
                                      static_cast<std::size_t>(format < 0 ? 0 : format)};
    }
    delete dialog;
    return choice;
}

}  // namespace ormane::qt
