#include "app/fileindex/html_preview_view.h"

#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QPointer>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>
#include <map>

namespace lexorim::app {

namespace {

// Answers the requests of the preview scheme with the page its view holds. The address names the
// view ("/3/12": view 3, its twelfth page), so several views can share the one handler.
class PreviewSchemeHandler : public QWebEngineUrlSchemeHandler {
  public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void SetContent(int view, const QByteArray& content) { pages_[view] = content; }
    void Forget(int view) { pages_.erase(view); }

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        const QStringList parts = job->requestUrl().path().split(u'/', Qt::SkipEmptyParts);
        const auto page = parts.isEmpty() ? pages_.end() : pages_.find(parts.front().toInt());
        // Only the page itself is held; its relative links point at files of the indexed site.
        if (page == pages_.end() || parts.size() != 2) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto* body = new QBuffer(job);
        body->setData(page->second);
        body->open(QIODevice::ReadOnly);
        job->reply(QByteArrayLiteral("text/html; charset=utf-8"), body);
    }

  private:
    std::map<int, QByteArray> pages_;
};

QPointer<PreviewSchemeHandler>& MadeHandler() {
    static QPointer<PreviewSchemeHandler> handler;
    return handler;
}

PreviewSchemeHandler& Handler() {
    // Made on first use, after the QApplication, and owned by the profile it serves.
    QPointer<PreviewSchemeHandler>& handler = MadeHandler();
    if (handler.isNull()) {
        QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
        handler = new PreviewSchemeHandler(profile);
        profile->installUrlSchemeHandler(kPreviewScheme, handler);
    }
    return *handler;
}

int NextViewId() {
    static int next = 0;
    return ++next;
}

}  // namespace

void RegisterPreviewScheme() {
    QWebEngineUrlScheme scheme(kPreviewScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

HtmlPreviewView::HtmlPreviewView(QWidget* parent) : QWidget(parent), id_(NextViewId()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

HtmlPreviewView::~HtmlPreviewView() {
    if (PreviewSchemeHandler* handler = MadeHandler().data())
        handler->Forget(id_);
}

QWebEngineView* HtmlPreviewView::browser() {
    // The browser engine starts its processes with the first view, so the view is made when a
    // page is first shown, not with the window: most runs never show one.
    if (browser_ == nullptr) {
        browser_ = new QWebEngineView(this);
        layout()->addWidget(browser_);
        connect(browser_, &QWebEngineView::loadFinished, this, &HtmlPreviewView::loadFinished);
    }
    return browser_;
}

void HtmlPreviewView::ShowFile(const QString& path) {
    content_.clear();
    Handler().Forget(id_);
    requestedUrl_ = QUrl::fromLocalFile(path);
    browser()->load(requestedUrl_);
}

void HtmlPreviewView::ShowContent(const QString& html) {
    content_ = html.toUtf8();
    Handler().SetContent(id_, content_);
    // A new address each time, so that the browser asks again instead of showing its copy.
    requestedUrl_.clear();
    requestedUrl_.setScheme(QString::fromLatin1(kPreviewScheme));
    requestedUrl_.setPath(QStringLiteral("/%1/%2").arg(id_).arg(++generation_));
    browser()->load(requestedUrl_);
}

void HtmlPreviewView::Clear() {
    content_.clear();
    if (PreviewSchemeHandler* handler = MadeHandler().data())
        handler->Forget(id_);
    requestedUrl_ = QUrl(QStringLiteral("about:blank"));
    if (browser_ != nullptr)
        browser_->load(requestedUrl_);
}

}  // namespace lexorim::app
