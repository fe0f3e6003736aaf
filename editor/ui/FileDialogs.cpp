#include "FileDialogs.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>

namespace {

// The columns of the toolkit's file system model.
constexpr int SizeColumn = 1, DateColumn = 3;

QString Ask(QFileDialog& dialog)
{
    dialog.setProxyModel(new GermanFileColumns(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QVariant GermanFileColumns::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || files == nullptr || (index.column() != SizeColumn && index.column() != DateColumn))
        return QIdentityProxyModel::data(index, role);
    const QFileInfo file = files->fileInfo(mapToSource(index));
    const QLocale german(QLocale::German, QLocale::Germany);
    if (index.column() == DateColumn)
        return german.toString(file.lastModified(), QLocale::ShortFormat);
    return file.isDir() ? QIdentityProxyModel::data(index, role) : german.formattedDataSize(file.size());
}

QString AskPathToOpen(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Ask(dialog);
}

QString AskPathToSave(QWidget* parent, const QString& title, const QString& suggested, const QString& filter)
{
    QFileDialog dialog(parent, title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    return Ask(dialog);
}
