// THelpForm: the help window. On the left the contents, the index of keywords
// and the full-text search of the help collection; on the right the page,
// with back, forward, the contents page and the font size in the tool bar.
// It shows one collection at a time and changes it when the language does.
#pragma once

#include <QMainWindow>
#include <QUrl>
#include <memory>

#include "ui/help/help_topics.h"

class QAction;
class QHelpEngine;
class QHelpSearchEngine;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolBar;

namespace tarvix {

class TextCatalog;
class THelpBrowser;

class THelpForm : public QMainWindow {
    Q_OBJECT

public:
    THelpForm(TextCatalog& texts, QWidget* parent = nullptr);
    ~THelpForm() override;

    // Opens a collection file (the working copy, help_collection.h) in place
    // of the current one; the page shown stays when the new collection has it.
    // False when the collection cannot be read (the window is then empty).
    bool SetCollection(const QString& collectionFile);
    QString CollectionFile() const { return collectionFile_; }

    // Shows a topic's page, scrolled to its anchor.
    void ShowTopic(const HelpTopic& topic);
    // The address of a topic in the current collection (empty without one).
    QUrl TopicUrl(const HelpTopic& topic) const;
    QUrl CurrentUrl() const;
    // The index page with the keywords that start with `word`.
    void ShowIndexFor(const QString& word);
    // Sets every caption again from the text catalog.
    void ApplyTexts();

    QHelpEngine* Engine() const { return engine_.get(); }
    // Whether the contents tree is filled (the engine reads it in the
    // background after a collection is set); WaitForContents waits for it at
    // most `milliseconds` (pictures of the window).
    bool ContentsReady() const { return contentsReady_; }
    bool WaitForContents(int milliseconds);
    QHelpSearchEngine* SearchEngine() const;
    // Whether the full-text index of the collection is being built (a search
    // typed meanwhile runs when it is ready).
    bool Indexing() const { return indexing_; }
    THelpBrowser* Browser() const { return browser_; }
    QTabWidget* Tabs() const { return tabs_; }
    QLineEdit* IndexFilter() const { return indexFilter_; }

private:
    void BuildToolBar();
    // The contents, index and search pages of the current engine.
    void BuildNavigation();
    void DropNavigation();
    void Open(const QUrl& url);
    void SelectInContents(const QUrl& url);

    TextCatalog& texts_;
    QString collectionFile_;
    QString namespace_;
    std::unique_ptr<QHelpEngine> engine_;
    THelpBrowser* browser_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
    QAction* home_ = nullptr;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    // The pages of the navigation; they belong to the engine's widgets and go
    // before the engine does.
    QWidget* contentsPage_ = nullptr;
    QWidget* indexPage_ = nullptr;
    QWidget* searchPage_ = nullptr;
    QLabel* indexLabel_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    bool contentsReady_ = false;
    bool indexing_ = false;
    bool searchPending_ = false;
};

}  // namespace tarvix
