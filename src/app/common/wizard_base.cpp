#include "app/common/wizard_base.h"
#include "app/common/widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/common/draft_options_dialog.h"
#include "app/common/draft_switch.h"
#include "app/common/error_display.h"
#include "app/common/qt_text.h"
#include "app/common/window_texts.h"

namespace lexorim::app {

namespace {

void SetIf(const std::optional<bool>& state, QWidget* widget, void (QWidget::*set)(bool)) {
    if (state)
        (widget->*set)(*state);
}

}  // namespace

WizardBase::WizardBase(AppContext& context, WizardNames names, WizardTable table, QWidget* parent)
    : Translated<QWidget>(parent), context_(context), names_(names), table_(std::move(table)) {
    setObjectName(QString::fromLatin1(names_.panel));
    auto* layout = new QVBoxLayout(this);
    header_ = Named<QLabel>(this, names_.header);
    header_->setStyleSheet(QStringLiteral(
        "QLabel { font-size: 18pt; font-weight: bold; color: white; padding: 10px 14px;"
        " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #2b5d8a, stop:1 #6c9cc6); }"));
    layout->addWidget(header_);

    pages_ = Named<QTabWidget>(this, names_.pageControl);
    layout->addWidget(pages_, 1);
    connect(pages_, &QTabWidget::tabBarClicked, this, [this](int page) {
        if (page >= 0)
            TabChosen(page);
    });
    // Ctrl+Tab and the arrow keys change the page without a click; they follow the same rule.
    connect(pages_, &QTabWidget::currentChanged, this, &WizardBase::PageControlChanged);
    // Ctrl+Tab works wherever the focus is while the wizard is in sight, not only inside the
    // page control (the side bar, the menu bar).
    const auto stepBy = [this](int offset) {
        const int count = pages_->count();
        TabChosen((currentPageIndex() + offset + count) % count);
    };
    auto* nextPage = new QShortcut(QKeySequence::NextChild, this);
    connect(nextPage, &QShortcut::activated, this, [stepBy] { stepBy(1); });
    auto* previousPage = new QShortcut(QKeySequence::PreviousChild, this);
    connect(previousPage, &QShortcut::activated, this, [stepBy] { stepBy(-1); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    back_ = Named<QPushButton>(this, names_.back);
    next_ = Named<QPushButton>(this, names_.next);
    create_ = Named<QPushButton>(this, names_.create);
    for (QPushButton* button : {back_, next_, create_}) {
        button->setAutoDefault(true);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(back_, &QPushButton::clicked, this, &WizardBase::BackClicked);
    connect(next_, &QPushButton::clicked, this, &WizardBase::NextClicked);
    connect(create_, &QPushButton::clicked, this, [this] {
        if (!worker_.isRunning())
            StartCreate();
    });
    connect(&worker_, &RunWorker::statusChanged, this, &WizardBase::ShowStatus);
}

void WizardBase::AddPage(QWidget* page) {
    const QSignalBlocker quiet(pages_);
    pages_->addTab(page, QString());
    // Enter presses a focused button, as Space does, outside dialogs too.
    for (QPushButton* button : page->findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

void WizardBase::ApplyButtons(const ButtonStates& states) {
    SetIf(states.backVisible, back_, &QWidget::setVisible);
    SetIf(states.backEnabled, back_, &QWidget::setEnabled);
    SetIf(states.nextVisible, next_, &QWidget::setVisible);
    SetIf(states.nextEnabled, next_, &QWidget::setEnabled);
    SetIf(states.createEnabled, create_, &QWidget::setEnabled);
}

void WizardBase::ShowPage(int page) {
    if (page < 0 || page >= pages_->count())
        return;
    if (!context_.settings.IsOn(ui::ControlId{ui::tprog::kWindow, names_.panel}))
        app::ShowPanel(context_.settings, names_.panel);
    {
        const QScopedValueRollback selecting(selectingPage_, true);
        pages_->setCurrentIndex(page);
    }
    ApplyButtons(table_.beforeEveryPage);
    if (static_cast<size_t>(page) < table_.pages.size())
        ApplyButtons(table_.pages[static_cast<size_t>(page)]);
    if (page == table_.resultPage) {
        progress_->setValue(0);
        status_->clear();
    }
    PageShown(page);
}

void WizardBase::NextClicked() {
    const auto page = static_cast<size_t>(currentPageIndex());
    ApplyButtons(table_.beforeNextOrBack);
    if (page < table_.next.size() && table_.next[page] >= 0)
        ShowPage(table_.next[page]);
}

void WizardBase::BackClicked() {
    const auto page = static_cast<size_t>(currentPageIndex());
    ApplyButtons(table_.beforeNextOrBack);
    if (page < table_.back.size() && table_.back[page] >= 0)
        ShowPage(table_.back[page]);
}

void WizardBase::TabChosen(int page) {
    if (worker_.isRunning())
        return;
    ApplyButtons({.backVisible = true,
                  .backEnabled = true,
                  .nextVisible = true,
                  .nextEnabled = true,
                  .createEnabled = true});
    ShowPage(page);
}

void WizardBase::PageControlChanged(int page) {
    if (selectingPage_ || page < 0)
        return;
    TabChosen(page);
}

QWidget* WizardBase::BuildProgressPage(const ProgressPageNames& names) {
    auto* page = Named<QWidget>(nullptr, names.page);
    auto* layout = new QVBoxLayout(page);
    auto* note = Named<QLabel>(page, names.note);
    note->setWordWrap(true);
    status_ = Named<QLabel>(page, names.status);
    progress_ = Named<QProgressBar>(page, names.progress);
    progress_->setRange(0, 100);
    auto* cancel = Named<QPushButton>(page, names.cancel);
    connect(cancel, &QPushButton::clicked, this, &WizardBase::CancelRun);
    auto* escape = new QShortcut(QKeySequence::Cancel, page);
    connect(escape, &QShortcut::activated, this, &WizardBase::CancelRun);
    layout->addStretch();
    layout->addWidget(note);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    layout->addStretch();
    return page;
}

QWidget* WizardBase::BuildResultPage(const ResultPageNames& names, QPlainTextEdit* output) {
    auto* page = Named<QWidget>(nullptr, names.page);
    auto* layout = new QVBoxLayout(page);
    output->setParent(page);
    output->setObjectName(QString::fromLatin1(names.output));
    layout->addWidget(output, 1);
    auto* row = new QHBoxLayout;
    auto* saveText = Named<QPushButton>(page, names.saveText);
    row->addWidget(saveText);
    connect(saveText, &QPushButton::clicked, this, &WizardBase::SaveOutputText);
    if (names.saveIndex != nullptr) {
        auto* saveIndex = Named<QPushButton>(page, names.saveIndex);
        row->addWidget(saveIndex);
        connect(saveIndex, &QPushButton::clicked, this, &WizardBase::SaveIndexFile);
    }
    auto* copy = Named<QPushButton>(page, names.clipboard);
    row->addWidget(copy);
    connect(copy, &QPushButton::clicked, this, &WizardBase::CopyOutputToClipboard);
    row->addStretch();
    layout->addLayout(row);
    return page;
}

void WizardBase::CopyOutputToClipboard() {
    QApplication::clipboard()->setText(ToQString(OutputText()));
}

void WizardBase::UseDraftSwitch(DraftSwitch* draftSwitch) {
    draftSwitch_ = draftSwitch;
    connect(draftSwitch, &DraftSwitch::optionsRequested, this, [this] {
        if (draftDialog_ != nullptr)
            draftDialog_->exec();
    });
}

void WizardBase::ShowStatus(const QString& status, int percent) {
    status_->setText(status);
    progress_->setValue(percent);
}

void WizardBase::TaskStarting(const TaskPages& pages) {
    ShowPage(pages.progress);
    if (pages.busy)
        progress_->setRange(0, 0);
    pages_->tabBar()->setEnabled(false);
    emit runStarted();
}

void WizardBase::TaskEnded(const TaskPages& pages, const RunFailure* failure) {
    pages_->tabBar()->setEnabled(true);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    // A cancelled task keeps the previous result; the user chose to stop, so nothing is shown.
    if (failure != nullptr && !failure->cancelled)
        ShowError(this, failure->error);
    ShowPage(failure == nullptr ? pages.success : pages.failure);
    emit runFinished(failure == nullptr);
}

void WizardBase::ApplyTexts() {
    header_->setText(WindowQText("Tprog", names_.headerText, context_.language));
}

}  // namespace lexorim::app
