#pragma once
// The browser of the file index result page. A page from memory is served through a scheme of
// the program's own, because the browser's setHtml drops pages above 2 MB without a word and an
// index of a large site is bigger than that; a cached page is opened as its file.

#include <QByteArray>
#include <QUrl>
#include <QWidget>

class QWebEngineView;

namespace lexorim::app {

// The scheme of pages shown from memory.
inline constexpr char kPreviewScheme[] = "lexorim-preview";

// Registers the preview scheme and prepares the browser engine; call once before the
// QApplication is made. As root the engine's sandbox cannot start, so it is switched off then.
void RegisterPreviewScheme();

class HtmlPreviewView : public QWidget {
    Q_OBJECT

  public:
    explicit HtmlPreviewView(QWidget* parent = nullptr);
    ~HtmlPreviewView() override;

    // Opens a page written to a file.
    void ShowFile(const QString& path);
    // Shows a page held in memory.
    void ShowContent(const QString& html);
    // An empty page.
    void Clear();

    // What the browser was last asked to open, and for a page from memory its bytes (UTF-8).
    QUrl requestedUrl() const { return requestedUrl_; }
    const QByteArray& content() const { return content_; }
    // The browser, made on first use.
    QWebEngineView* browser();

  signals:
    // The browser finished opening the requested page.
    void loadFinished(bool succeeded);

  private:
    QWebEngineView* browser_ = nullptr;
    QUrl requestedUrl_;
    QByteArray content_;
    const int id_;
    int generation_ = 0;
};

}  // namespace lexorim::app
