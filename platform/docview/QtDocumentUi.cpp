#include "platform/docview/QtDocumentUi.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace platform {

QStringList QtDocumentUi::nameFilters(const QList<FileFilter>& filters)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QStringList result;
    for (const FileFilter& filter : filters) {
        QStringList patterns = filter.patterns.split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == u"*.*") pattern = QStringLiteral("*");
        }
        QString name = filter.name;
        name.remove(trailingPatterns);
        result.append(name + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return result;
}

std::optional<QString> QtDocumentUi::fileName(const FileDialogRequest& request)
{
    QWidget* parent = request.parent ? request.parent : QApplication::activeWindow();
    QFileDialog dialog(parent, request.title);
    const bool opening = request.mode == FileDialogRequest::Mode::Open;
    dialog.setAcceptMode(opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = nameFilters(request.filters);
    dialog.setNameFilters(filters);
    if (request.initialFilter >= 0 && request.initialFilter < filters.size())
        dialog.selectNameFilter(filters.at(request.initialFilter));
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    // Selecting a folder would open the one above it with the folder marked.
    if (QFileInfo(request.fileName).isDir()) {
        dialog.setDirectory(request.fileName);
    } else if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

SaveChoice QtDocumentUi::askSaveChanges(const QString& title, const QString& question)
{
    QMessageBox box(QMessageBox::Warning, title, question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return SaveChoice::Yes;
        case QMessageBox::No:
            return SaveChoice::No;
        default:
            return SaveChoice::Cancel;
    }
}

}  // namespace platform
