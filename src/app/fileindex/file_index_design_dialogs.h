#pragma once
// The two design dialogs of the file index: Ttextdesign (the texts of the text output, with a
// preview line) and Thdesign (title, sizes, widths, spacings and colours of the HTML page, with a
// swatch per colour that also picks a colour from anywhere on the screen).

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <functional>
#include <map>

#include "app/common/settings_dialog.h"

namespace lexorim::app {

// Ttextdesign: title, headings and the characters of the text output, with a live preview.
class FileTextDesignDialog : public SettingsDialog {
    Q_OBJECT
  public:
    FileTextDesignDialog(AppContext& context, QWidget* parent);
    void ApplyTexts() override;

  private:
    void UpdatePreview();
    QLabel* preview_ = nullptr;
};

// The colour of the screen pixel at a global position.
using PixelSource = std::function<QColor(const QPoint& globalPosition)>;
// Reads the pixel from the screen under the position, also outside the program's windows.
QColor ScreenPixel(const QPoint& globalPosition);
// A colour chooser seeded with the current colour; an invalid colour when the user cancelled.
using ColourChooser = std::function<QColor(const QColor& current, QWidget* parent)>;

// A panel that shows a colour. Pressing a mouse button on it and moving picks the colour under
// the pointer until the button is released.
class ColourSwatch : public QFrame {
    Q_OBJECT
  public:
    ColourSwatch(QWidget* parent, const char* name);
    void SetColour(const QColor& colour);
    QColor colour() const { return colour_; }
    bool isPicking() const { return picking_; }
    // Where picked colours come from; the screen unless replaced.
    void SetPixelSource(PixelSource source) { pixels_ = std::move(source); }

  signals:
    // A colour was read under the pointer while picking.
    void picked(const QColor& colour);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QColor colour_;
    QColor lastPicked_;
    bool picking_ = false;
    PixelSource pixels_ = ScreenPixel;
};

// Thdesign: the values of the HTML page.
class HtmlDesignDialog : public SettingsDialog {
    Q_OBJECT
  public:
    HtmlDesignDialog(AppContext& context, QWidget* parent);
    void ApplyTexts() override;
    // Replaces the picking source of all three swatches.
    void SetPixelSource(const PixelSource& source);
    // Replaces the platform colour dialog of the "..." buttons.
    void SetColourChooser(ColourChooser chooser) { chooser_ = std::move(chooser); }

    void accept() override;

  private:
    struct ColourField {
        QLineEdit* edit;
        ColourSwatch* swatch;
        // The text last reported as not a colour, so that leaving the field and then pressing
        // OK tell the user once.
        QString reported;
    };
    void AddColourField(const char* field, const char* swatch, const char* button);
    void ShowColour(ColourField& field);
    void ReportBadColour(ColourField& field);
    void ChooseColour(ColourField& field);
    void UpdateSeparatorLabel();

    std::map<QString, ColourField> colours_;
    ColourChooser chooser_;
};

}  // namespace lexorim::app
