#include "app/common/source_list_view.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMimeDatabase>
#include <QMouseEvent>
#include <QStyle>
#include <QUrl>
#include <algorithm>
#include <vector>

#include "app/common/qt_text.h"
#include "app/common/window_texts.h"

namespace lexorim::app {

namespace {

SourceColumn ColumnOf(int section) {
    return static_cast<SourceColumn>(std::clamp(section, 0, kSourceColumnCount - 1));
}

// The theme's icon of a file type, found by a made-up file name with the format as extension.
QIcon ThemeIconForFormat(const Text& format) {
    const QMimeDatabase database;
    const QString sample = QStringLiteral("file.") + ToQString(format).toLower();
    const QMimeType type = database.mimeTypeForFile(sample, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    return icon;
}

// Where a row at `oldRow` is after one row moved from `from` to `to`.
int RowAfterMove(int oldRow, int from, int to) {
    if (oldRow == from)
        return to;
    if (from < to && oldRow > from && oldRow <= to)
        return oldRow - 1;
    if (to < from && oldRow >= to && oldRow < from)
        return oldRow + 1;
    return oldRow;
}

}  // namespace

SourceListModel::SourceListModel(SourceList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {}

int SourceListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

int SourceListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kSourceColumnCount;
}

QVariant SourceListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SourceRow& row = list_.rows()[static_cast<size_t>(index.row())];
    const SourceColumn column = ColumnOf(index.column());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return ToQString(row.Column(column));
        case Qt::DecorationRole:
            if (column == SourceColumn::Name)
                return IconFor(row.format);
            break;
        case Qt::TextAlignmentRole:
            if (column == SourceColumn::Size)
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            break;
        default:
            break;
    }
    return {};
}

QVariant SourceListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < headers_.size())
        return headers_.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags SourceListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && ColumnOf(index.column()) == SourceColumn::Name)
        result |= Qt::ItemIsEditable;
    return result;
}

bool SourceListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount() ||
        ColumnOf(index.column()) != SourceColumn::Name)
        return false;
    Text name = ToText(value.toString());
    if (list_.rows()[static_cast<size_t>(index.row())].name == name)
        return true;
    RenameRow(index.row(), std::move(name));
    return true;
}

void SourceListModel::RenameRow(int row, Text name) {
    SourceRow renamed = list_.rows()[static_cast<size_t>(row)];
    renamed.name = name;
    emit layoutAboutToBeChanged();
    list_.Rename(static_cast<size_t>(row), std::move(name));
    const auto found = std::find(list_.rows().begin(), list_.rows().end(), renamed);
    const int to = static_cast<int>(found - list_.rows().begin());
    // The selection and the current row follow the renamed row to its new place.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after << index(RowAfterMove(old.row(), row, to), old.column());
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

void SourceListModel::SetHeaders(const QStringList& headers) {
    headers_ = headers;
    emit headerDataChanged(Qt::Horizontal, 0, kSourceColumnCount - 1);
}

void SourceListModel::Refresh() {
    beginResetModel();
    endResetModel();
}

const QIcon& SourceListModel::IconFor(const Text& format) const {
    auto found = icons_.find(format);
    if (found == icons_.end())
        found = icons_.emplace(format, ThemeIconForFormat(format)).first;
    return found->second;
}

SourceListView::SourceListView(const AppContext& context, SourceList& list, const QString& name,
                               QWidget* parent)
    : Translated<QTreeView>(parent), context_(context), model_(new SourceListModel(list, this)) {
    setObjectName(name);
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);  // keeps long lists quick to lay out and scroll
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setSortingEnabled(false);  // the core keeps the order
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DropOnly);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    connect(header(), &QHeaderView::sectionClicked, this, &SourceListView::HeaderClicked);
    connect(model_, &QAbstractItemModel::layoutChanged, this, &SourceListView::listChanged);
    ApplyTexts();
    ShowSortIndicator();
}

void SourceListView::ApplyTexts() {
    model_->SetHeaders(WindowQText(ui::tprog::kWindow, objectName().toStdString(),
                                   context_.language, ui::TextRole::Column)
                           .split(u'\n'));
}

void SourceListView::Refresh() {
    model_->Refresh();
    ShowSortIndicator();
}

void SourceListView::DeleteSelectedRows() {
    std::vector<size_t> positions;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        positions.push_back(static_cast<size_t>(index.row()));
    if (positions.empty())
        return;
    model_->list().DeleteRows(std::move(positions));
    Refresh();
    emit listChanged();
}

void SourceListView::DeleteAllRows() {
    model_->list().DeleteAll();
    Refresh();
    emit listChanged();
}

void SourceListView::HeaderClicked(int section) {
    model_->list().ClickHeader(ColumnOf(section));
    Refresh();
    emit listChanged();
}

void SourceListView::ShowSortIndicator() {
    const SortState& state = model_->list().sortState();
    header()->setSortIndicator(static_cast<int>(state.column),
                               state.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void SourceListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
        DeleteSelectedRows();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void SourceListView::mouseDoubleClickEvent(QMouseEvent* event) {
    // Whichever column was hit, the name of the row becomes editable.
    const QModelIndex hit = indexAt(event->position().toPoint());
    if (hit.isValid()) {
        const QModelIndex name = hit.siblingAtColumn(static_cast<int>(SourceColumn::Name));
        setCurrentIndex(name);
        edit(name);
        event->accept();
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}

QStringList DroppedFiles(const QList<QUrl>& urls) {
    QStringList files;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).isFile())
            files << path;
    }
    return files;
}

void SourceListView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void SourceListView::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void SourceListView::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const QStringList files = DroppedFiles(event->mimeData()->urls());
    if (!files.isEmpty())
        emit filesDropped(files);
}

}  // namespace lexorim::app
