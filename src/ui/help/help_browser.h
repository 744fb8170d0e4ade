// THelpBrowser: the page view of the help window. It reads the pages, their
// pictures and style from the help collection (qthelp:// addresses) and hands
// links that leave the collection to the desktop.
#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

namespace tarvix {

class THelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit THelpBrowser(QWidget* parent = nullptr);

    // The collection the pages come from (nullptr: none, every page is empty).
    void SetEngine(QHelpEngineCore* engine) { engine_ = engine; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngineCore* engine_ = nullptr;
};

}  // namespace tarvix
