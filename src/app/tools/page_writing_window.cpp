#include "app/tools/page_writing_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

#include "app/common/error_display.h"
#include "app/common/file_dialogs.h"
#include "app/common/number_boxes.h"
#include "app/common/qt_text.h"
#include "app/common/settings_binding.h"
#include "app/common/widgets.h"
#include "app/common/window_texts.h"
#include "settings/languages.h"
#include "settings/run_options.h"
#include "textfiles/text_reader.h"

namespace lexorim::app {

namespace {

constexpr const char* kWindowClass = "Tedittxt";

// Enter in an option box must not press the first button of the window, so no button is a
// default one.
QPushButton* Button(QWidget* parent, const char* name) {
    auto* button = Named<QPushButton>(parent, name);
    button->setAutoDefault(false);
    return button;
}

// An edit box for a number or a few characters, with the label that carries its caption.
QLineEdit* AddLabelledEdit(QGridLayout* grid, int row, const char* name) {
    QWidget* page = grid->parentWidget();
    auto* edit = Named<QLineEdit>(page, name);
    edit->setMaximumWidth(90);
    auto* label = new QLabel(page);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

}  // namespace

void PageTextEdit::mousePressEvent(QMouseEvent* event) {
    QPlainTextEdit::mousePressEvent(event);
    emit pressed(event->button());
}

void PageTextEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!insertingOnPress_) {
        QPlainTextEdit::mouseDoubleClickEvent(event);
        return;
    }
    QPlainTextEdit::mousePressEvent(event);
    emit pressed(event->button());
}

PageWritingWindow::PageWritingWindow(AppContext& context, QWidget* parent)
    : Translated<QDialog>(parent), context_(context) {
    setObjectName(QString::fromLatin1(kWindowClass));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeOptions());
    editor_ = Named<PageTextEdit>(this, "text");
    // The document keeps every edit for the editor's own undo; a loaded text is not one of them.
    editor_->setUndoRedoEnabled(true);
    layout->addWidget(editor_, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Named<QCheckBox>(this, "Zeilenumbruch"));
    for (const char* name : {"Laden", "HinzuLaden", "delete"})
        bottom->addWidget(Button(this, name));
    bottom->addStretch();
    for (const char* name : {"ToTXTIndex", "schliessen"})
        bottom->addWidget(Button(this, name));
    // The editor's own undo without a place on the tabs, as the keyboard reaches it.
    auto* hiddenUndo = Button(this, "Ruckgangig");
    hiddenUndo->hide();
    layout->addLayout(bottom);

    connect(RequireChild<QPushButton>(this, "Laden"), &QPushButton::clicked, this,
            [this] { ChooseTextFile(false); });
    connect(RequireChild<QPushButton>(this, "HinzuLaden"), &QPushButton::clicked, this,
            [this] { ChooseTextFile(true); });
    connect(RequireChild<QPushButton>(this, "delete"), &QPushButton::clicked, editor_,
            &QPlainTextEdit::clear);
    connect(RequireChild<QPushButton>(this, "ToTXTIndex"), &QPushButton::clicked, this,
            &PageWritingWindow::HandOver);
    connect(RequireChild<QPushButton>(this, "schliessen"), &QPushButton::clicked, this,
            &QDialog::close);
    connect(hiddenUndo, &QPushButton::clicked, editor_, &QPlainTextEdit::undo);
    connect(RequireChild<QCheckBox>(this, "Zeilenumbruch"), &QCheckBox::toggled, this,
            &PageWritingWindow::ShowLineBreaks);
    connect(editor_, &PageTextEdit::pressed, this, &PageWritingWindow::InsertAtCaret);
    connect(tabs_, &QTabWidget::currentChanged, this,
            [this] { editor_->SetInsertingOnPress(caretTabActive()); });

    new SettingsBinding(context_.settings, kWindowClass, this);
    ShowLineBreaks();
    resize(860, 680);
    ApplyTexts();
}

QWidget* PageWritingWindow::MakeOptions() {
    auto* group = Named<QGroupBox>(this, "Optionen");
    auto* layout = new QVBoxLayout(group);
    tabs_ = Named<QTabWidget>(group, "pc");
    tabs_->addTab(MakeEmptyLinesPage(), QString());
    tabs_->addTab(MakeCaretPage(), QString());
    tabs_->addTab(MakeMarkersPage(), QString());
    tabs_->addTab(MakeFramePage(), QString());
    tabs_->setCurrentIndex(0);
    layout->addWidget(tabs_);
    return group;
}

QWidget* PageWritingWindow::MakeEmptyLinesPage() {
    auto* page = Named<QWidget>(this, "tab1");
    auto* grid = new QGridLayout(page);
    MakeNumberBox(AddLabelledEdit(grid, 0, "l2sstart"), NumberBoxRulesFor(ui::tedittxt::l2sstart));
    grid->addWidget(Named<QCheckBox>(page, "cb_l2skeinedoppelt"), 1, 0, 1, 3);
    grid->addWidget(Button(page, "LeerZuSeite"), 0, 3);
    grid->addWidget(Button(page, "l2sback"), 1, 3);
    grid->setColumnStretch(2, 1);
    connect(RequireChild<QPushButton>(page, "LeerZuSeite"), &QPushButton::clicked, this,
            &PageWritingWindow::ReplaceEmptyLines);
    connect(RequireChild<QPushButton>(page, "l2sback"), &QPushButton::clicked, this,
            &PageWritingWindow::SwapWithSnapshot);
    return page;
}

QWidget* PageWritingWindow::MakeCaretPage() {
    auto* page = Named<QWidget>(this, "tab2");
    auto* grid = new QGridLayout(page);
    AddLabelledEdit(grid, 0, "cursak");
    grid->addWidget(Named<QCheckBox>(page, "curaut"), 1, 0, 1, 3);
    grid->addWidget(Button(page, "curback"), 1, 3);
    grid->setColumnStretch(2, 1);
    connect(RequireChild<QPushButton>(page, "curback"), &QPushButton::clicked, this,
            [this] { editor_->undo(); });
    return page;
}

QWidget* PageWritingWindow::MakeMarkersPage() {
    auto* page = Named<QWidget>(this, "tab3");
    auto* grid = new QGridLayout(page);
    MakeNumberBox(AddLabelledEdit(grid, 0, "zes"), NumberBoxRulesFor(ui::tedittxt::zes));
    AddLabelledEdit(grid, 1, "zez");
    grid->addWidget(Button(page, "zeanwenden"), 0, 3);
    grid->addWidget(Button(page, "zeback"), 1, 3);
    grid->setColumnStretch(2, 1);
    connect(RequireChild<QPushButton>(page, "zeanwenden"), &QPushButton::clicked, this,
            &PageWritingWindow::ReplaceMarkers);
    connect(RequireChild<QPushButton>(page, "zeback"), &QPushButton::clicked, this,
            &PageWritingWindow::SwapWithSnapshot);
    return page;
}

QWidget* PageWritingWindow::MakeFramePage() {
    auto* page = Named<QWidget>(this, "einst");
    auto* grid = new QGridLayout(page);
    AddLabelledEdit(grid, 0, "vor");
    AddLabelledEdit(grid, 1, "nach");
    grid->setColumnStretch(2, 1);
    return page;
}

void PageWritingWindow::ApplyTexts() {
    ApplyWindowTexts(this, kWindowClass, context_.language);
    // The hint of a tab is shown over its tab as well as over its page.
    for (int i = 0; i < tabs_->count(); ++i)
        tabs_->setTabToolTip(i, tabs_->widget(i)->toolTip());
}

void PageWritingWindow::Open() {
    show();
    raise();
    activateWindow();
}

// ---------------------------------------------------------------------------------------------
// Loading and handing over.

bool PageWritingWindow::LoadTextFile(const QString& path, bool append) {
    return RunReportingErrors(this, [&] {
        ReadContext read;
        read.language = context_.language;
        read.showMessage = [this](TextView message) { ShowMessage(this, ToQString(message)); };
        const Text loaded = ReadTextFile(ToPath(path), read);
        if (append)
            TakeEditorText();
        model_.LoadText(loaded, append);
        ShowModelText();
    });
}

void PageWritingWindow::ChooseTextFile(bool append) {
    const QString path = ChooseFileToOpen(this, kWindowClass, "OpenText", context_.language);
    if (!path.isEmpty())
        LoadTextFile(path, append);
}

void PageWritingWindow::HandOver() {
    const QString text = MemoText(*editor_);
    close();
    emit textSourceHandOver(text);
}

// ---------------------------------------------------------------------------------------------
// Numbering.

void PageWritingWindow::ReplaceEmptyLines() {
    TakeEditorText();
    model_.ReplaceEmptyLines(MakePageWritingOptions(context_.settings));
    ShowModelText();
}

void PageWritingWindow::ReplaceMarkers() {
    TakeEditorText();
    model_.ReplaceMarkers(MakePageWritingOptions(context_.settings));
    ShowModelText();
}

void PageWritingWindow::SwapWithSnapshot() {
    TakeEditorText();
    model_.SwapWithSnapshot();
    ShowModelText();
}

bool PageWritingWindow::caretTabActive() const {
    return tabs_->currentWidget()->objectName() == QLatin1String("tab2");
}

void PageWritingWindow::InsertAtCaret(Qt::MouseButton button) {
    // The right button opens the text box's menu; a number there would go in at the old caret.
    if (!caretTabActive() || button != Qt::LeftButton)
        return;
    QTextCursor caret = editor_->textCursor();
    caret.clearSelection();
    TakeEditorText();
    PageWritingOptions options = MakePageWritingOptions(context_.settings);
    const Text framed = NumberFrame(options.caretPage, options.before, options.after);
    model_.InsertAtCaret(static_cast<size_t>(caret.blockNumber()),
                         static_cast<size_t>(caret.positionInBlock()), options);
    // The model has the whole new text; the editor takes only the number, which keeps the step
    // in its own undo and does not lay the whole text out again.
    caret.insertText(ToQString(framed));
    editor_->setTextCursor(caret);
    context_.settings.Set(ui::tedittxt::cursak, options.caretPage);
    editor_->ensureCursorVisible();
}

void PageWritingWindow::ShowLineBreaks() {
    // The box, not the setting: its other listeners may not have heard of the change yet.
    const bool wrap = RequireChild<QCheckBox>(this, "Zeilenumbruch")->isChecked();
    editor_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    editor_->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void PageWritingWindow::TakeEditorText() {
    model_.text = ToText(MemoText(*editor_));
}

void PageWritingWindow::ShowModelText() {
    const int caret = editor_->textCursor().position();
    const int scrolled = editor_->verticalScrollBar()->value();
    editor_->setPlainText(ToQString(model_.text));
    QTextCursor restored = editor_->textCursor();
    restored.setPosition(std::min(caret, editor_->document()->characterCount() - 1));
    editor_->setTextCursor(restored);
    editor_->verticalScrollBar()->setValue(scrolled);
}

}  // namespace lexorim::app
