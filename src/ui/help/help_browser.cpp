// The help window's page view over the help collection.
#include "ui/help/help_browser.h"

#include <QDesktopServices>
#include <QHelpEngineCore>
#include <QTextDocument>

namespace tarvix {
namespace {

// The look of every page, kept here once rather than in each language's pages.
constexpr QLatin1StringView kPageStyle{
    "body { margin: 6px; }"
    "h1 { font-size: x-large; margin-bottom: 8px; }"
    "h2 { font-size: large; margin-top: 14px; }"
    "h3 { font-size: medium; margin-top: 10px; }"
    "code, kbd, pre { font-family: monospace; }"
    "pre { margin-left: 16px; }"
    "table { border-collapse: collapse; margin: 4px 0px; }"
    "td, th { padding: 2px 8px; border: 1px solid #a0a0a0; vertical-align: top; }"
    "th { font-weight: bold; }"
    "p.note { font-style: italic; }"};

}  // namespace

THelpBrowser::THelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("HelpBrowser"));
    // Pages of the collection open here; any other link goes to the desktop.
    setOpenLinks(false);
    document()->setDefaultStyleSheet(QString(kPageStyle));
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == QLatin1String("qthelp")) {
            setSource(url);
        } else {
            QDesktopServices::openUrl(url);
        }
    });
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qthelp")) {
        if (!engine_) return {};
        const QByteArray data = engine_->fileData(name);
        if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
            return QString::fromUtf8(data);
        return data;
    }
    return QTextBrowser::loadResource(type, name);
}

}  // namespace tarvix
