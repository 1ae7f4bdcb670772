#include "app/shell/shell_registration_window.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/common/error_display.h"
#include "app/common/mnemonics.h"
#include "app/common/qt_text.h"
#include "app/common/settings_binding.h"
#include "app/common/widgets.h"
#include "app/common/window_texts.h"
#include "settings/languages.h"

namespace lexorim::app {

namespace {

// The colours of the status and administrator labels.
const QColor kGood(0, 128, 0);
const QColor kBad(255, 0, 0);

void Colour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// The pairs of buttons, in the order the rows show them.
constexpr const char* kRegisterButtons[] = {"KonfigAn", "SendenAnAn", "OrdnerAn", "AlleDateienAn",
                                            "BeliebigeDateienAn"};
constexpr const char* kRemoveButtons[] = {"KonfigAus", "SendenAnAus", "OrdnerAus", "AlleDateienAus",
                                          "BeliebigeDateienAus"};

}  // namespace

QString ShellHelpCaption(Language language) {
    return WebPageCaption(WebPage::Help, language) + (language == Language::German
                                                          ? QStringLiteral("verknuepfungen/")
                                                          : QStringLiteral("shortcuts/"));
}

QUrl ShellHelpAddress(const QString& caption) {
    return QUrl(WebAddressFromCaption(caption, LinkOrigin::MenuUnreferred));
}

ShellRegistrationWindow::Environment ShellRegistrationWindow::DesktopEnvironment() {
    return {
        ShellFoldersFromEnvironment(),
        RunningProgramPath(),
        [] { return RunsAsAdministrator(); },
        [](const std::vector<std::string>& command) {
            QStringList arguments;
            for (size_t i = 1; i < command.size(); ++i)
                arguments << QString::fromStdString(command[i]);
            return QProcess::startDetached(QString::fromStdString(command.front()), arguments);
        },
        [] { QCoreApplication::quit(); },
        DesktopWebPageOpener(),
    };
}

ShellRegistrationWindow::ShellRegistrationWindow(AppContext& context, Kind kind, QWidget* parent)
    : Translated<QDialog>(parent),
      context_(context),
      kind_(kind),
      environment_(DesktopEnvironment()) {
    setObjectName(QString::fromLatin1(windowClass()));
    setModal(false);
    BuildLayout();
    new SettingsBinding(context_.settings, windowClass(), this);
    ApplyTexts();
}

const char* ShellRegistrationWindow::windowClass() const {
    return kind_ == Kind::Configuration ? "Teinstshortcuts_lkfg" : "Teinstshortcuts_idx";
}

void ShellRegistrationWindow::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    const auto statusRow = [this](QGridLayout* grid, int row, int index, const char* statusCaption,
                                  const char* statusName) -> QLabel* {
        auto* registerButton = Named<QPushButton>(this, kRegisterButtons[index]);
        auto* removeButton = Named<QPushButton>(this, kRemoveButtons[index]);
        grid->addWidget(registerButton, row, 0);
        grid->addWidget(removeButton, row, 1);
        if (statusName == nullptr)
            return nullptr;
        grid->addWidget(Named<QLabel>(this, statusCaption), row, 2, Qt::AlignRight);
        auto* status = Named<QLabel>(this, statusName);
        status->setMinimumWidth(110);
        grid->addWidget(status, row, 3);
        return status;
    };
    const auto group = [this, layout](const char* name, const char* label) {
        auto* box = Named<QGroupBox>(this, name);
        auto* grid = new QGridLayout(box);
        auto* text = Named<QLabel>(box, label);
        text->setWordWrap(true);
        grid->addWidget(text, 0, 0, 1, 5);
        grid->setColumnStretch(4, 1);
        layout->addWidget(box);
        return grid;
    };
    fileTypeStatus_ = statusRow(group("gb1", "Label1"), 1, 0, "Label2", "ver_konfig");
    sendToStatus_ = statusRow(group("gb2", "Label7"), 1, 1, "Label5", "ver_sendenan");
    foldersStatus_ = statusRow(group("gb3", "Label4"), 1, 2, "Label8", "ver_ordner");
    QGridLayout* files = group("gb4", "Label10");
    allFilesStatus_ = statusRow(files, 1, 3, "Label11", "ver_alledateien");
    auto* listLabel = Named<QLabel>(this, "Label3");
    listLabel->setWordWrap(true);
    files->addWidget(listLabel, 2, 0, 1, 5);
    extensionList_ =
        Named<QLineEdit>(this, kind_ == Kind::Configuration ? ui::teinstshortcuts_lkfg::beldateien
                                                            : ui::teinstshortcuts_idx::beldateien);
    files->addWidget(extensionList_, 3, 0, 1, 5);
    statusRow(files, 4, 4, nullptr, nullptr);

    auto* hint = Named<QLabel>(this, "Label6");
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto* adminRow = new QHBoxLayout;
    adminState_ = Named<QLabel>(this, "Label9");
    adminRow->addWidget(adminState_, 1);
    auto* restart = Named<QPushButton>(this, "AlsAdminStarten");
    adminRow->addWidget(restart);
    layout->addLayout(adminRow);
    auto* helpRow = new QHBoxLayout;
    auto* helpText = Named<QLabel>(this, "Label12");
    helpText->setWordWrap(true);
    helpRow->addWidget(helpText, 1);
    helpLink_ = Named<QLabel>(this, "Label70");
    helpLink_->setTextFormat(Qt::RichText);
    helpLink_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    helpLink_->setCursor(Qt::PointingHandCursor);
    helpRow->addWidget(helpLink_);
    layout->addLayout(helpRow);
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    auto* ok = Named<QPushButton>(this, "OK");
    okRow->addWidget(ok);
    layout->addLayout(okRow);

    const auto onClick = [this](const char* name, auto action) {
        connect(RequireChild<QPushButton>(this, name), &QPushButton::clicked, this, action);
    };
    onClick("KonfigAn", [this] {
        Act([this](const ShellRegistration& r) { ShowToolFailures(r.RegisterFileType()); });
    });
    onClick("KonfigAus", [this] {
        Act([this](const ShellRegistration& r) { ShowToolFailures(r.RemoveFileType()); });
    });
    onClick("SendenAnAn", [this] { Act([](const ShellRegistration& r) { r.RegisterSendTo(); }); });
    onClick("SendenAnAus", [this] { Act([](const ShellRegistration& r) { r.RemoveSendTo(); }); });
    onClick("OrdnerAn", [this] {
        Act([this](const ShellRegistration& r) {
            r.RegisterFolders(ToText(Message("ContextMenu")));
        });
    });
    onClick("OrdnerAus", [this] { Act([](const ShellRegistration& r) { r.RemoveFolders(); }); });
    onClick("AlleDateienAn", [this] {
        Act([this](const ShellRegistration& r) {
            r.RegisterAllFiles(ToText(Message("ContextMenu")));
        });
    });
    onClick("AlleDateienAus",
            [this] { Act([](const ShellRegistration& r) { r.RemoveAllFiles(); }); });
    onClick("BeliebigeDateienAn", [this] {
        Act(
            [this](const ShellRegistration& r) {
                r.RegisterListedTypes(ToText(extensionList_->text()),
                                      ToText(Message("ContextMenu")));
            },
            false);
    });
    onClick("BeliebigeDateienAus", [this] {
        Act(
            [this](const ShellRegistration& r) {
                r.RemoveListedTypes(ToText(extensionList_->text()));
            },
            false);
    });
    onClick("AlsAdminStarten", [this] { RestartAsAdministrator(); });
    onClick("OK", [this] { close(); });
    connect(helpLink_, &QLabel::linkActivated, this, [this] {
        if (environment_.openWebPage)
            environment_.openWebPage(ShellHelpAddress(ShellHelpCaption(context_.language)));
    });
}

void ShellRegistrationWindow::SetEnvironment(Environment environment) {
    environment_ = std::move(environment);
    RefreshStatuses();
}

QString ShellRegistrationWindow::Caption(const char* name) const {
    return WindowQText(windowClass(), name, context_.language);
}

QString ShellRegistrationWindow::Message(const char* name) const {
    return WindowQText(windowClass(), name, context_.language, ui::TextRole::Message);
}

void ShellRegistrationWindow::ApplyTexts() {
    for (const char* name : kRegisterButtons)
        RequireChild<QPushButton>(this, name)->setText(Caption("Register"));
    for (const char* name : kRemoveButtons)
        RequireChild<QPushButton>(this, name)->setText(Caption("Remove"));
    const QString help = ShellHelpCaption(context_.language);
    helpLink_->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(help.toHtmlEscaped()));
    ApplyWindowTexts(this, windowClass(), context_.language);
    RefreshStatuses();
}

void ShellRegistrationWindow::Open() {
    show();
    raise();
    activateWindow();
    RefreshStatuses();
}

ShellRegistration ShellRegistrationWindow::Registration() const {
    return ShellRegistration(
        kind_ == Kind::Configuration ? ShellFileKind::Configuration : ShellFileKind::Index,
        environment_.folders, environment_.program);
}

void ShellRegistrationWindow::ShowStatus(QLabel* label, bool active) {
    label->setText(Message(active ? "Active" : "NotActive"));
    Colour(label, active ? kGood : kBad);
}

void ShellRegistrationWindow::RefreshStatuses() {
    const ShellRegistration registration = Registration();
    ShowStatus(fileTypeStatus_, registration.FileTypeActive());
    ShowStatus(sendToStatus_, registration.SendToActive());
    ShowStatus(foldersStatus_, registration.FoldersActive());
    ShowStatus(allFilesStatus_, registration.AllFilesActive());
    const bool administrator =
        environment_.runsAsAdministrator && environment_.runsAsAdministrator();
    adminState_->setText(Message(administrator ? "AdminYes" : "AdminNo"));
    Colour(adminState_, administrator ? kGood : kBad);
    RequireChild<QPushButton>(this, "AlsAdminStarten")->setEnabled(!administrator);
}

void ShellRegistrationWindow::Act(const std::function<void(const ShellRegistration&)>& action,
                                  bool refresh) {
    RunReportingErrors(this, [&] { action(Registration()); });
    if (refresh)
        RefreshStatuses();
}

void ShellRegistrationWindow::ShowToolFailures(const std::vector<DesktopToolFailure>& failures) {
    for (const DesktopToolFailure& failure : failures) {
        ShowMessage(this, Message("ToolFailed")
                              .arg(QString::fromStdString(failure.tool),
                                   QString::fromStdString(failure.reason)));
    }
}

void ShellRegistrationWindow::RestartAsAdministrator() {
    // The program ends whether or not the new instance could be started, as a refused
    // elevation leaves the user to start it again.
    if (environment_.startDetached)
        environment_.startDetached(ElevatedRestartCommand(environment_.program));
    if (environment_.quit)
        environment_.quit();
}

}  // namespace lexorim::app
