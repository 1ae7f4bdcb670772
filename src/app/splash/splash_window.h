#pragma once
// Tstart, the splash window: shown first, it decides when the main window appears (at once when
// the program was started with a file, otherwise after a few seconds) and then steps aside.

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "app/app_context.h"
#include "app/common/translated.h"

namespace lexorim::app {

// What one moment of the splash asks for.
struct SplashStep {
    bool showMainWindow = false;
    bool hideSplash = false;  // the timer stops with it
};

// The splash's schedule, apart from any clock: ticks of 400 ms and the click that skips it.
class SplashSchedule {
  public:
    // `startedWithFile`: the first command-line argument names an existing file.
    explicit SplashSchedule(bool startedWithFile) : startedWithFile_(startedWithFile) {}

    SplashStep Tick();
    SplashStep Click();
    bool finished() const { return finished_; }
    int ticks() const { return ticks_; }

    static constexpr int kTickMilliseconds = 400;

  private:
    const bool startedWithFile_;
    int ticks_ = 0;
    bool shownEarly_ = false;
    bool finished_ = false;
};

class SplashWindow : public Translated<QWidget> {
    Q_OBJECT

  public:
    // The window follows the interface language of `context`, which a configuration loaded at
    // start may change while it is shown.
    SplashWindow(const AppContext& context, bool startedWithFile, QWidget* parent = nullptr);

    // Starts the timer and shows the window centred on the screen.
    void Start();
    QTimer* timer() { return &timer_; }
    const SplashSchedule& schedule() const { return schedule_; }
    bool englishShown() const;

  public slots:
    // One tick of the timer (the timer calls it; tests may too).
    void Tick();

  signals:
    // The main window is to be shown (again, which only brings it forward).
    void mainWindowWanted();

  protected:
    void ApplyTexts() override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void Apply(const SplashStep& step);

    const AppContext& context_;
    Language shownLanguage_ = Language::German;
    SplashSchedule schedule_;
    QTimer timer_;
    QLabel* picture_ = nullptr;
    QLabel* englishTitle_ = nullptr;
    QLabel* englishNote_ = nullptr;
};

// True when the first argument names an existing file, which shows the main window at once.
bool FirstArgumentIsAFile(const QStringList& arguments);

}  // namespace lexorim::app
