// The editor's file dialogs. Where the toolkit draws them itself, its list
// of files gives sizes and dates in the system's language, English under a
// C locale; here they are German like every other word of the editor.
#pragma once

#include <QIdentityProxyModel>
#include <QString>

class QWidget;

// The size and date columns of a file system model, in German.
class GermanFileColumns : public QIdentityProxyModel {
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

// The path chosen, or an empty string when the dialog was cancelled.
QString AskPathToOpen(QWidget* parent, const QString& title, const QString& folder, const QString& filter);
QString AskPathToSave(QWidget* parent, const QString& title, const QString& suggested, const QString& filter);
