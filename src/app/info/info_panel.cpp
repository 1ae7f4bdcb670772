#include "app/info/info_panel.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "app/common/qt_text.h"
#include "ui/window_definitions.h"

namespace lexorim::app {

namespace {

enum class BlockKind { Heading, Text, Link };

// One piece of an information page: a heading or a text of the window's table, or a link.
struct Block {
    BlockKind kind;
    const char* text = nullptr;  // the row of the table (heading, text)
    WebPage link = WebPage::Program;
};

Block Heading(const char* row) {
    return {BlockKind::Heading, row};
}
Block Paragraph(const char* row) {
    return {BlockKind::Text, row};
}
Block Link(WebPage page) {
    return {BlockKind::Link, nullptr, page};
}

struct PageLayout {
    const char* germanName;
    const char* englishName;
    const char* caption;
    std::vector<Block> blocks;
};

// The pages in the order of the page controls.
const std::vector<PageLayout>& PageLayouts() {
    static const std::vector<PageLayout> layouts = {
        {"tide1",
         "tien1",
         "info_tab1",
         {Heading("info1_h1"),   Paragraph("info1_t1"), Link(WebPage::Help),
          Heading("info1_h2"),   Paragraph("info1_t2"), Link(WebPage::TextIndex),
          Heading("info1_h3"),   Paragraph("info1_t3"), Link(WebPage::FileIndex),
          Heading("info1_h4"),   Paragraph("info1_t4"), Link(WebPage::KeywordIndex),
          Heading("info1_h5"),   Paragraph("info1_t5"), Heading("info1_h6"),
          Paragraph("info1_t6"), Link(WebPage::Tools),  Heading("info1_h7"),
          Paragraph("info1_t7"), Link(WebPage::Support)}},
        {"tide2",
         "tien2",
         "info_tab2",
         {Heading("info2_h1"), Paragraph("info2_t1"), Heading("info2_h2"), Paragraph("info2_t2"),
          Link(WebPage::Program)}},
        {"tide5",
         "tien5",
         "info_tab3",
         {Heading("info3_h1"), Paragraph("info3_t1"), Link(WebPage::Program)}},
        {"tide3",
         "tien3",
         "info_tab4",
         {Heading("info4_h1"), Paragraph("info4_t1"), Link(WebPage::Contribute),
          Link(WebPage::Support)}},
        {"tide4",
         "tien4",
         "info_tab5",
         {Heading("info5_h1"), Paragraph("info5_t1"), Link(WebPage::Licence)}},
    };
    return layouts;
}

// The Info menu's items that open a web page; the last one carries no referrer.
struct LinkItem {
    const char* name;
    WebPage page;
    LinkOrigin origin;
};
constexpr LinkItem kLinkItems[] = {
    {"minfo5", WebPage::Help, LinkOrigin::Menu},
    {"minfo6", WebPage::Support, LinkOrigin::Menu},
    {"minfo8", WebPage::Program, LinkOrigin::MenuUnreferred},
};

QString Text(const char* row, Language language, ui::TextRole role = ui::TextRole::Caption) {
    return ToQString(ui::WindowTextFor("Tprog", row, role, language == Language::German));
}

const char* LinkKey(WebPage page) {
    switch (page) {
        case WebPage::Program:
            return "program";
        case WebPage::Help:
            return "help";
        case WebPage::TextIndex:
            return "textindex";
        case WebPage::FileIndex:
            return "fileindex";
        case WebPage::KeywordIndex:
            return "keywordindex";
        case WebPage::Tools:
            return "tools";
        case WebPage::Support:
            return "support";
        case WebPage::Contribute:
            return "contribute";
        case WebPage::Licence:
            return "licence";
        case WebPage::Encodings:
            return "encodings";
        case WebPage::ByteOrderMark:
            return "bom";
    }
    return "page";
}

QLabel* HeadingLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold; color: #2b5d8a;"));
    return label;
}

QLabel* TextLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// "Name: text" with the name in bold; a line without a name is plain.
QLabel* ListEntryLabel(const QString& line, QWidget* parent) {
    QLabel* label = TextLabel(line, parent);
    // A name is short and no sentence; a colon later in a sentence does not make one.
    constexpr qsizetype kLongestName = 45;
    const qsizetype lead = line.indexOf(QLatin1StringView(": "));
    if (lead > 0 && lead <= kLongestName && !line.left(lead).contains(QLatin1StringView(". "))) {
        label->setTextFormat(Qt::RichText);
        label->setText(
            QStringLiteral("<b>%1</b>%2")
                .arg(line.left(lead + 1).toHtmlEscaped(), line.mid(lead + 1).toHtmlEscaped()));
    }
    return label;
}

}  // namespace

InfoPanel::InfoPanel(QWidget* parent, WebPageOpener opener)
    : QWidget(parent), opener_(std::move(opener)) {
    setObjectName(QStringLiteral("pinfo"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    {
        // Adding the first tab selects it, before the other panel exists.
        const QScopedValueRollback building(selecting_, true);
        german_ = BuildSide(Language::German);
        english_ = BuildSide(Language::English);
    }
    layout->addWidget(german_.panel);
    layout->addWidget(english_.panel);
    ShowInfoPage(Help);
}

InfoPanel::Side InfoPanel::BuildSide(Language language) {
    const bool german = language == Language::German;
    Side side;
    side.panel = new QFrame(this);
    side.panel->setObjectName(german ? QStringLiteral("pinfo_de") : QStringLiteral("pinfo_en"));
    auto* layout = new QVBoxLayout(side.panel);
    auto* header = new QLabel(Text("info_header", language), side.panel);
    header->setStyleSheet(QStringLiteral(
        "QLabel { font-size: 18pt; font-weight: bold; color: white; padding: 10px 14px;"
        " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #2b5d8a, stop:1 #6c9cc6); }"));
    layout->addWidget(header);

    side.pages = new QTabWidget(side.panel);
    side.pages->setObjectName(german ? QStringLiteral("pcide") : QStringLiteral("pcien"));
    for (int page = 0; page < kPageCount; ++page) {
        side.pages->addTab(BuildPage(page, language),
                           Text(PageLayouts()[static_cast<size_t>(page)].caption, language));
    }
    layout->addWidget(side.pages, 1);
    // A tab click or Ctrl+Tab moves both panels, like the buttons.
    connect(side.pages, &QTabWidget::currentChanged, this, [this](int page) {
        if (!selecting_ && page >= 0)
            ShowInfoPage(page);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    side.back = new QPushButton(Text("info_back", language), side.panel);
    side.back->setObjectName(german ? QStringLiteral("btide1") : QStringLiteral("btien1"));
    side.next = new QPushButton(Text("info_next", language), side.panel);
    side.next->setObjectName(german ? QStringLiteral("btide2") : QStringLiteral("btien2"));
    for (QPushButton* button : {side.back, side.next}) {
        button->setAutoDefault(true);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(side.back, &QPushButton::clicked, this, [this] { ShowInfoPage(currentPage() - 1); });
    connect(side.next, &QPushButton::clicked, this, [this] { ShowInfoPage(currentPage() + 1); });
    return side;
}

QWidget* InfoPanel::BuildPage(int page, Language language) {
    const PageLayout& layout = PageLayouts()[static_cast<size_t>(page)];
    const QString pageName =
        QString::fromLatin1(language == Language::German ? layout.germanName : layout.englishName);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(pageName);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(18, 14, 18, 14);
    for (const Block& block : layout.blocks) {
        switch (block.kind) {
            case BlockKind::Heading:
                if (column->count() > 0)
                    column->addSpacing(10);
                column->addWidget(HeadingLabel(Text(block.text, language), content));
                break;
            case BlockKind::Text: {
                // A text of several lines is a list: one entry a paragraph, led by its name.
                const QStringList lines = Text(block.text, language).split(u'\n');
                for (const QString& line : lines) {
                    column->addWidget(lines.size() > 1 ? ListEntryLabel(line, content)
                                                       : TextLabel(line, content));
                }
                break;
            }
            case BlockKind::Link: {
                const QString caption = WebPageCaption(block.link, language);
                auto* link = new QLabel(content);
                link->setObjectName(pageName + u'_' + QLatin1StringView(LinkKey(block.link)));
                link->setTextFormat(Qt::RichText);
                link->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(caption.toHtmlEscaped()));
                link->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                              Qt::LinksAccessibleByKeyboard);
                link->setCursor(Qt::PointingHandCursor);
                link->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
                // The caption is the address as shown; the rule makes the full address from it.
                connect(link, &QLabel::linkActivated, this,
                        [this, caption] { OpenWebPage(caption, LinkOrigin::InfoPage); });
                column->addWidget(link, 0, Qt::AlignLeft);
                break;
            }
        }
    }
    column->addStretch();
    scroll->setWidget(content);
    return scroll;
}

void InfoPanel::ShowInfoPage(int page) {
    if (page < 0 || page >= kPageCount)
        return;
    const QScopedValueRollback guard(selecting_, true);
    for (const Side* shown : {&german_, &english_}) {
        shown->pages->setCurrentIndex(page);
        SetButtons(*shown, page);
    }
}

int InfoPanel::currentPage() const {
    return german_.pages->currentIndex();
}

void InfoPanel::SetButtons(const Side& shown, int page) const {
    shown.back->setEnabled(page != 0);
    shown.next->setEnabled(page != kPageCount - 1);
}

void InfoPanel::AddPageItems(QMenu* menu, const std::array<const char*, kPageCount>& names,
                             const std::function<void()>& showPanel) {
    for (int page = 0; page < kPageCount; ++page) {
        QAction* item = menu->addAction(QString());
        item->setObjectName(QString::fromLatin1(names[static_cast<size_t>(page)]));
        connect(item, &QAction::triggered, this, [this, showPanel, page] {
            showPanel();
            ShowInfoPage(page);
        });
    }
}

void InfoPanel::AddLinkItems(QMenu* menu) {
    for (const LinkItem& link : kLinkItems) {
        QAction* item = menu->addAction(QString());
        item->setObjectName(QString::fromLatin1(link.name));
        const LinkOrigin origin = link.origin;
        connect(item, &QAction::triggered, this,
                [this, item, origin] { OpenWebPage(item->text(), origin); });
        linkItems_.push_back(item);
    }
}

void InfoPanel::ApplyTexts(Language language) {
    // An item shows its address and, after " - ", what it opens.
    for (size_t i = 0; i < linkItems_.size(); ++i) {
        const LinkItem& link = kLinkItems[i];
        linkItems_[i]->setText(WebPageCaption(link.page, language) + QStringLiteral(" - ") +
                               Text(link.name, language, ui::TextRole::Message));
    }
}

void InfoPanel::OpenWebPage(const QString& caption, LinkOrigin origin) {
    if (opener_)
        opener_(QUrl(WebAddressFromCaption(caption, origin)));
}

}  // namespace lexorim::app
