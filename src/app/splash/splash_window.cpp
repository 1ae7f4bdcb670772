#include "app/splash/splash_window.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "app/common/widgets.h"

namespace lexorim::app {

namespace {

constexpr QSize kPictureSize(325, 210);
const QColor kBlue(0x24, 0x47, 0x6b);

// The program's picture: its name on the blue of the side bar, a card of an index, and the
// German line that the English pictures cover.
QPixmap IntroPicture() {
    QPixmap picture(kPictureSize);
    picture.fill(kBlue);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // An index card with its lines and a marked entry.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf4, 0xf1, 0xe8));
    painter.drawRoundedRect(QRect(22, 34, 92, 118), 6, 6);
    painter.setPen(QPen(QColor(0x9a, 0xa8, 0xb8), 3, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 6; ++line)
        painter.drawLine(34, 56 + line * 15, line % 3 == 1 ? 82 : 100, 56 + line * 15);
    painter.setPen(QPen(QColor(0xe0, 0x8a, 0x1e), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(34, 71, 82, 71);
    painter.setPen(Qt::white);
    QFont name = painter.font();
    name.setPixelSize(34);
    name.setBold(true);
    painter.setFont(name);
    painter.drawText(QRect(130, 40, 185, 44), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Lexorim"));
    QFont line = name;
    line.setPixelSize(13);
    line.setBold(false);
    painter.setFont(line);
    painter.drawText(QRect(132, 88, 185, 40), Qt::AlignLeft | Qt::TextWordWrap,
                     QStringLiteral("Register und Stichwörter aus Ihren Texten"));
    painter.setPen(QColor(0xb8, 0xc8, 0xd8));
    painter.drawText(QRect(22, 172, 290, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Wird gestartet …"));
    return picture;
}

// A picture that lies over a German line of the intro in the English interface.
QLabel* EnglishOverlay(QWidget* parent, const char* name, const QRect& area, const QString& text,
                       const QColor& colour) {
    auto* label = Named<QLabel>(parent, name);
    label->setGeometry(area);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kBlue);
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    QFont font = label->font();
    font.setPixelSize(13);
    label->setFont(font);
    // Clicks go through to the splash, which skips on any click.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

}  // namespace

SplashStep SplashSchedule::Tick() {
    SplashStep step;
    if (finished_)
        return step;
    if (startedWithFile_) {
        step.showMainWindow = true;
        shownEarly_ = true;
    }
    ++ticks_;
    if (ticks_ > 7 && !shownEarly_)
        step.showMainWindow = true;
    if (ticks_ > 10) {
        step.hideSplash = true;
        finished_ = true;
    }
    return step;
}

SplashStep SplashSchedule::Click() {
    if (finished_)
        return {};
    finished_ = true;
    return {.showMainWindow = true, .hideSplash = true};
}

SplashWindow::SplashWindow(const AppContext& context, bool startedWithFile, QWidget* parent)
    : Translated<QWidget>(parent), context_(context), schedule_(startedWithFile) {
    setObjectName(QStringLiteral("Tstart"));
    // No frame, above every other window, and no task bar button of its own.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(kPictureSize);
    picture_ = Named<QLabel>(this, "intro");
    picture_->setGeometry(QRect(QPoint(0, 0), kPictureSize));
    picture_->setPixmap(IntroPicture());
    picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
    englishTitle_ =
        EnglishOverlay(this, "intro_en1", QRect(132, 88, 185, 40),
                       QStringLiteral("Indexes and keywords from your texts"), Qt::white);
    englishNote_ = EnglishOverlay(this, "intro_en2", QRect(22, 174, 290, 22),
                                  QStringLiteral("Starting …"), QColor(0xb8, 0xc8, 0xd8));
    timer_.setInterval(SplashSchedule::kTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::Tick);
    ApplyTexts();
}

void SplashWindow::ApplyTexts() {
    shownLanguage_ = context_.language;
    const bool english = shownLanguage_ != Language::German;
    englishTitle_->setVisible(english);
    englishNote_->setVisible(english);
    setWindowTitle(QStringLiteral("Lexorim - Orvell"));
}

bool SplashWindow::englishShown() const {
    return !englishTitle_->isHidden();
}

void SplashWindow::Start() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), kPictureSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    timer_.start();
}

void SplashWindow::Tick() {
    // A configuration loaded at start may have switched the language meanwhile.
    if (context_.language != shownLanguage_)
        ApplyTexts();
    Apply(schedule_.Tick());
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Apply(schedule_.Click());
}

void SplashWindow::Apply(const SplashStep& step) {
    if (step.showMainWindow)
        emit mainWindowWanted();
    if (step.hideSplash) {
        timer_.stop();
        hide();
    } else if (step.showMainWindow) {
        // The splash stays in front of the main window until its time is up.
        raise();
    }
}

bool FirstArgumentIsAFile(const QStringList& arguments) {
    return !arguments.isEmpty() && QFileInfo(arguments.front()).isFile();
}

}  // namespace lexorim::app
