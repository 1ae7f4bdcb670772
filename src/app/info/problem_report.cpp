#include "app/info/problem_report.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/common/widgets.h"
#include "app/common/window_texts.h"

namespace lexorim::app {

const char* ProblemReportWindowName(Language language) {
    return language == Language::German ? "Tbugreport_de" : "Tbugreport_en";
}

ProblemReportWindow::ProblemReportWindow(Language language, QWidget* parent, WebPageOpener opener)
    : QDialog(parent), language_(language), opener_(std::move(opener)) {
    setObjectName(QString::fromLatin1(ProblemReportWindowName(language)));
    // A small tool window above the main window, which stays usable beside it.
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* greeting = Named<QLabel>(this, "Label1");
    QFont bold = greeting->font();
    bold.setBold(true);
    greeting->setFont(bold);
    layout->addWidget(greeting);
    auto* request = Named<QLabel>(this, "Label2");
    request->setWordWrap(true);
    layout->addWidget(request);
    support_ = AddLink("support", WebPage::Support, LinkOrigin::ReportSupport);
    layout->addWidget(support_);
    layout->addSpacing(8);
    auto* custom = Named<QLabel>(this, "Label3");
    custom->setWordWrap(true);
    layout->addWidget(custom);
    custom_ = AddLink("individuell", WebPage::CustomSoftware, LinkOrigin::ReportCustom);
    layout->addWidget(custom_);
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = Named<QPushButton>(buttons, "OK");
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    const std::string_view windowClass = ProblemReportWindowName(language);
    ApplyWindowTexts(this, windowClass, language);
    setWindowTitle(WindowQText(windowClass, "", language));
    setFixedWidth(420);
}

QLabel* ProblemReportWindow::AddLink(const char* name, WebPage page, LinkOrigin origin) {
    auto* link = Named<QLabel>(this, name);
    const QString caption = WebPageCaption(page, language_);
    link->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(caption.toHtmlEscaped()));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setCursor(Qt::PointingHandCursor);
    connect(link, &QLabel::linkActivated, this, [this, caption, origin] {
        if (opener_)
            opener_(QUrl(WebAddressFromCaption(caption, origin)));
    });
    return link;
}

void ProblemReportWindow::Open() {
    adjustSize();
    if (const QWidget* over = parentWidget()) {
        QRect frame = rect();
        frame.moveCenter(over->frameGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
}

}  // namespace lexorim::app
