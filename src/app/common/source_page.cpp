#include "app/common/source_page.h"
#include "app/common/file_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

#include "app/common/error_display.h"
#include "app/common/qt_text.h"
#include "app/common/source_options_dialog.h"
#include "app/common/widgets.h"
#include "settings/index_run_options.h"
#include "settings/languages.h"

namespace lexorim::app {

namespace {

// Shows that the window works while files are read for their encoding and links.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

SourcePage::SourcePage(AppContext& context, SourceList& list, const SourcePageNames& names,
                       QWidget* parent)
    : QWidget(parent), context_(context), list_(list), names_(names) {
    setObjectName(QString::fromLatin1(names.page));
    auto* layout = new QGridLayout(this);
    path_ = Named<QLineEdit>(this, names.path);
    path_->installEventFilter(this);
    auto* browse = Named<QPushButton>(this, names.browse);
    auto* scan = Named<QCheckBox>(this, names.scan);
    view_ = new SourceListView(context, list, QString::fromLatin1(names.list), this);
    auto* deleteRow = Named<QPushButton>(this, names.deleteRow);
    auto* deleteAll = Named<QPushButton>(this, names.deleteAll);
    auto* options = Named<QPushButton>(this, names.options);
    layout->addWidget(path_, 0, 0);
    layout->addWidget(browse, 0, 1);
    layout->addWidget(scan, 1, 0, 1, 2);
    layout->addWidget(view_, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(deleteRow);
    buttons->addWidget(deleteAll);
    buttons->addStretch();
    buttons->addWidget(options);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(0, 1);

    connect(browse, &QPushButton::clicked, this, &SourcePage::BrowseForFile);
    connect(deleteRow, &QPushButton::clicked, view_, &SourceListView::DeleteSelectedRows);
    connect(deleteAll, &QPushButton::clicked, view_, &SourceListView::DeleteAllRows);
    connect(options, &QPushButton::clicked, this, &SourcePage::OpenSourceOptions);
    connect(view_, &SourceListView::filesDropped, this, &SourcePage::AddDroppedFiles);
    connect(view_, &SourceListView::listChanged, this, &SourcePage::listChanged);
}

bool SourcePage::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the path box adds its file; the key goes no further, whatever the box holds.
    if (watched == path_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            AddChosenFile(path_->text());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SourcePage::AddChosenFile(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    AddFile(path, context_.settings.IsOn(ui::ControlId{ui::tprog::kWindow, names_.scan}));
    view_->Refresh();
    emit listChanged();
}

void SourcePage::AddDroppedFiles(const QStringList& paths) {
    const bool scan = MakeSourceOptions(context_.settings).scanDroppedFiles;
    {
        const WaitCursor wait;
        for (const QString& path : paths) {
            if (QFileInfo(path).isFile())
                AddFile(path, scan);
        }
    }
    view_->Refresh();
    emit listChanged();
}

void SourcePage::AddFile(const QString& path, bool scan) {
    const WaitCursor wait;
    const SourceOptions options = MakeSourceOptions(context_.settings);
    const Text document = ToText(path);
    // A file that cannot be read is named in a message; the rows added before it stay.
    RunReportingErrors(this, [&] {
        AddSourceFile(list_, document, options);
        if (scan)
            ApplyScanResult(context_.settings, ScanDocumentLinks(list_, document, options));
    });
}

void SourcePage::BrowseForFile() {
    const QString path = ChooseFileToOpen(this, "Tprog", "OpenDatei", context_.language);
    if (path.isEmpty())
        return;
    path_->setText(path);
    AddChosenFile(path);
}

void SourcePage::Clear() {
    path_->clear();
    view_->Refresh();
}

void SourcePage::Refresh() {
    view_->Refresh();
}

void SourcePage::OpenSourceOptions() {
    // Made for each opening, so that its memo shows the list as it is now; the column choice
    // and the options are settings and stay.
    SourceOptionsDialog dialog(context_, list_, this);
    dialog.exec();
    view_->Refresh();
    emit listChanged();
}

}  // namespace lexorim::app
