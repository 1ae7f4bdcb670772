#pragma once
// The view of a source list (the file index's and the keyword index's): the six columns of the
// core's list in the core's order, with a file-type icon per format, header clicks and renames
// that the core sorts, deleting selected rows, and files dropped from the desktop handed to the
// caller as one batch.

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <QTreeView>
#include <map>

#include "app/app_context.h"
#include "app/common/translated.h"
#include "indexing/source_list.h"

namespace lexorim::app {

// The rows of a core source list as a table; the list belongs to the caller.
class SourceListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    SourceListModel(SourceList& list, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A new name in column 0: the core moves the row to its sorted place.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void SetHeaders(const QStringList& headers);
    // The list changed behind the model's back.
    void Refresh();
    SourceList& list() const { return list_; }

  private:
    const QIcon& IconFor(const Text& format) const;
    void RenameRow(int row, Text name);

    SourceList& list_;
    QStringList headers_;
    // One icon per format, looked up on first use.
    mutable std::map<Text, QIcon> icons_;
};

class SourceListView : public Translated<QTreeView> {
    Q_OBJECT

  public:
    // `name` is the control name of the list ("qulist", "squlist"); it names the headers.
    SourceListView(const AppContext& context, SourceList& list, const QString& name,
                   QWidget* parent);

    SourceListModel* sourceModel() const { return model_; }
    // Shows the list again after the caller changed it.
    void Refresh();
    void DeleteAllRows();

  public slots:
    // Removes every selected row.
    void DeleteSelectedRows();

  signals:
    // Files dropped from the desktop, in drop order, without folders and unreadable paths.
    void filesDropped(const QStringList& paths);
    // The view itself changed the list (a rename, a deletion or a new order).
    void listChanged();

  protected:
    void ApplyTexts() override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void HeaderClicked(int section);
    void ShowSortIndicator();

    const AppContext& context_;
    SourceListModel* model_;
};

// The files among dropped paths, in their order: folders, paths that cannot be read and
// addresses that are not local files are left out.
QStringList DroppedFiles(const QList<QUrl>& urls);

}  // namespace lexorim::app
