// The help window: navigation over the help engine and the page view.
#include "ui/help/help_form.h"

#include <QAction>
#include <QEventLoop>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "storage/storage_texts.h"
#include "ui/help/help_browser.h"
#include "ui/help/help_texts.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

// The virtual folder the pages of every collection live in (the .qhp files).
constexpr QLatin1StringView kVirtualFolder{"doc"};

}  // namespace

THelpForm::THelpForm(TextCatalog& texts, QWidget* parent)
    : QMainWindow(parent, Qt::Window), texts_(texts) {
    setObjectName(QStringLiteral("HelpForm"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    browser_ = new THelpBrowser(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("HelpTabs"));
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});
    setCentralWidget(splitter);
    BuildToolBar();
    ApplyTexts();
    resize(920, 640);
}

THelpForm::~THelpForm() {
    DropNavigation();
}

void THelpForm::BuildToolBar() {
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName(QStringLiteral("HelpToolBar"));
    toolBar_->setMovable(false);
    const auto add = [this](const char* name, QStyle::StandardPixmap icon, QKeySequence key,
                            auto handler) {
        QAction* action = toolBar_->addAction(style()->standardIcon(icon), QString());
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    back_ = add("HelpBackAction", QStyle::SP_ArrowBack, QKeySequence::Back,
                [this] { browser_->backward(); });
    forward_ = add("HelpForwardAction", QStyle::SP_ArrowForward, QKeySequence::Forward,
                   [this] { browser_->forward(); });
    home_ = add("HelpHomeAction", QStyle::SP_DirHomeIcon, QKeySequence(),
                [this] { ShowTopic(kHelpContentsTopic); });
    toolBar_->addSeparator();
    zoomIn_ = toolBar_->addAction(QStringLiteral("A+"));
    zoomIn_->setObjectName(QStringLiteral("HelpZoomInAction"));
    zoomIn_->setShortcut(QKeySequence::ZoomIn);
    connect(zoomIn_, &QAction::triggered, this, [this] { browser_->zoomIn(1); });
    zoomOut_ = toolBar_->addAction(QStringLiteral("A−"));
    zoomOut_->setObjectName(QStringLiteral("HelpZoomOutAction"));
    zoomOut_->setShortcut(QKeySequence::ZoomOut);
    connect(zoomOut_, &QAction::triggered, this, [this] { browser_->zoomOut(1); });
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { SelectInContents(url); });
}

void THelpForm::ApplyTexts() {
    const auto text = [this](const CatalogText& entry) {
        return ToQ(CatalogString(texts_, entry));
    };
    setWindowTitle(text(texts::HelpFormCaption));
    toolBar_->setWindowTitle(text(texts::HelpFormCaption));
    SetHint(back_, text(texts::HelpBack));
    back_->setText(ShortHint(text(texts::HelpBack)));
    SetHint(forward_, text(texts::HelpForward));
    forward_->setText(ShortHint(text(texts::HelpForward)));
    SetHint(home_, text(texts::HelpHome));
    home_->setText(ShortHint(text(texts::HelpHome)));
    SetHint(zoomIn_, text(texts::HelpZoomIn));
    SetHint(zoomOut_, text(texts::HelpZoomOut));
    if (contentsPage_)
        tabs_->setTabText(tabs_->indexOf(contentsPage_), text(texts::HelpContentsTab));
    if (indexPage_) tabs_->setTabText(tabs_->indexOf(indexPage_), text(texts::HelpIndexTab));
    if (searchPage_) tabs_->setTabText(tabs_->indexOf(searchPage_), text(texts::HelpSearchTab));
    if (indexLabel_) indexLabel_->setText(text(texts::HelpLookFor));
}

bool THelpForm::SetCollection(const QString& collectionFile) {
    if (engine_ && collectionFile == collectionFile_) return true;
    const QUrl shown = browser_->source();
    DropNavigation();
    browser_->SetEngine(nullptr);
    engine_.reset();
    namespace_.clear();
    collectionFile_ = collectionFile;

    auto engine = std::make_unique<QHelpEngine>(collectionFile);
    // The working copy is the program's own: the engine may keep it current.
    engine->setReadOnly(false);
    if (collectionFile.isEmpty() || !engine->setupData() ||
        engine->registeredDocumentations().isEmpty()) {
        browser_->clear();
        return false;
    }
    engine_ = std::move(engine);
    namespace_ = engine_->registeredDocumentations().first();
    browser_->SetEngine(engine_.get());
    BuildNavigation();
    indexing_ = true;
    searchPending_ = false;
    engine_->searchEngine()->scheduleIndexDocumentation();

    // The same page in the new language, else the contents.
    if (shown.isValid() && !shown.isEmpty()) {
        QUrl same = TopicUrl({});
        same.setPath(shown.path());
        same.setFragment(shown.fragment());
        if (engine_->findFile(same).isValid()) {
            browser_->clearHistory();
            Open(same);
            return true;
        }
    }
    browser_->clearHistory();
    ShowTopic(kHelpContentsTopic);
    return true;
}

bool THelpForm::WaitForContents(int milliseconds) {
    if (contentsReady_ || !engine_) return contentsReady_;
    QEventLoop loop;
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, &loop, &QEventLoop::quit,
            Qt::QueuedConnection);
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    return contentsReady_;
}

QHelpSearchEngine* THelpForm::SearchEngine() const {
    return engine_ ? engine_->searchEngine() : nullptr;
}

void THelpForm::BuildNavigation() {
    QHelpContentWidget* contents = engine_->contentWidget();
    contents->setObjectName(QStringLiteral("HelpContents"));
    contents->setHeaderHidden(true);
    connect(contents, &QHelpContentWidget::linkActivated, this, &THelpForm::Open);
    contentsPage_ = contents;
    // The engine fills the contents in the background: once they are there,
    // the chapters are opened and the page shown is selected.
    contentsReady_ = false;
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        contentsReady_ = true;
        contents->expandToDepth(0);
        SelectInContents(browser_->source());
    });

    indexPage_ = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage_);
    indexLabel_ = new QLabel(indexPage_);
    indexFilter_ = new QLineEdit(indexPage_);
    indexFilter_->setObjectName(QStringLiteral("HelpIndexFilter"));
    indexLabel_->setBuddy(indexFilter_);
    QHelpIndexWidget* index = engine_->indexWidget();
    index->setObjectName(QStringLiteral("HelpIndex"));
    indexLayout->addWidget(indexLabel_);
    indexLayout->addWidget(indexFilter_);
    indexLayout->addWidget(index, 1);
    connect(indexFilter_, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { Open(document.url); });
    // A keyword on several pages: the user picks one.
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents, const QString&) {
                QMenu menu(this);
                menu.setTitle(ToQ(CatalogString(texts_, texts::HelpTopics)));
                for (const QHelpLink& document : documents) {
                    const QUrl url = document.url;
                    menu.addAction(document.title, this, [this, url] { Open(url); });
                }
                menu.exec(QCursor::pos());
            });

    QHelpSearchEngine* search = engine_->searchEngine();
    searchPage_ = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage_);
    QHelpSearchQueryWidget* query = search->queryWidget();
    query->setObjectName(QStringLiteral("HelpSearchQuery"));
    QHelpSearchResultWidget* results = search->resultWidget();
    results->setObjectName(QStringLiteral("HelpSearchResults"));
    searchLayout->addWidget(query);
    searchLayout->addWidget(results, 1);
    connect(query, &QHelpSearchQueryWidget::search, search, [this, search, query] {
        if (indexing_) {
            searchPending_ = true;
        } else {
            search->search(query->searchInput());
        }
    });
    connect(search, &QHelpSearchEngine::indexingFinished, this, [this, search, query] {
        indexing_ = false;
        if (searchPending_) search->search(query->searchInput());
        searchPending_ = false;
    });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &THelpForm::Open);

    tabs_->addTab(contentsPage_, QString());
    tabs_->addTab(indexPage_, QString());
    tabs_->addTab(searchPage_, QString());
    ApplyTexts();
}

void THelpForm::DropNavigation() {
    // The engine's widgets are deleted here, before the engine they show.
    for (QWidget** page : {&contentsPage_, &indexPage_, &searchPage_}) {
        delete *page;
        *page = nullptr;
    }
    indexLabel_ = nullptr;
    indexFilter_ = nullptr;
}

QUrl THelpForm::TopicUrl(const HelpTopic& topic) const {
    if (namespace_.isEmpty()) return {};
    QUrl url;
    url.setScheme(QStringLiteral("qthelp"));
    url.setHost(namespace_);
    url.setPath(QLatin1Char('/') + kVirtualFolder + QLatin1Char('/') + ToQ(topic.Page));
    if (!topic.Anchor.empty()) url.setFragment(ToQ(topic.Anchor));
    return url;
}

void THelpForm::ShowTopic(const HelpTopic& topic) {
    const QUrl url = TopicUrl(topic);
    if (url.isValid()) Open(url);
}

QUrl THelpForm::CurrentUrl() const {
    return browser_->source();
}

void THelpForm::ShowIndexFor(const QString& word) {
    if (!indexPage_) return;
    tabs_->setCurrentWidget(indexPage_);
    indexFilter_->setText(word);
    indexFilter_->setFocus();
}

void THelpForm::Open(const QUrl& url) {
    if (url.isEmpty()) return;
    // The page shown again is no new step of the history.
    if (url == browser_->source()) {
        if (url.hasFragment()) browser_->scrollToAnchor(url.fragment());
        return;
    }
    browser_->setSource(url);
}

void THelpForm::SelectInContents(const QUrl& url) {
    auto* contents = qobject_cast<QHelpContentWidget*>(contentsPage_);
    if (!contents) return;
    QUrl page = url;
    page.setFragment(QString());
    QModelIndex index = contents->indexOf(url);
    if (!index.isValid()) index = contents->indexOf(page);
    if (index.isValid()) contents->setCurrentIndex(index);
}

}  // namespace tarvix
