// The help topics against the built help collections: every help context,
// window and task keyword opens a page that exists, at an anchor that exists,
// in the Czech and in the English help; the lookups of the tables; the
// working copy of a collection and when it is made again.
#include "ui/help/help_topics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "analysis/analysis_messages.h"
#include "calculator/shortcut_table.h"
#include "matrix/matrix_messages.h"
#include "series/chart_messages.h"
#include "series/series_messages.h"
#include "tasks/library_messages.h"
#include "tasks/task_keywords.h"
#include "tools/tool_messages.h"
#include "ui/help/help_collection.h"
#include "ui/help/help_windows.h"
#include "ui/widgets/qt_text.h"

using namespace tarvix;

namespace {

// One language's collection opened read-only, as the tests read it.
class Collection {
public:
    explicit Collection(const QString& language)
        : file_(HelpCollectionFile(language)), engine_(file_) {
        engine_.setReadOnly(true);
        ok_ = engine_.setupData() && !engine_.registeredDocumentations().isEmpty();
        if (ok_) namespace_ = engine_.registeredDocumentations().first();
    }
    bool Ok() const { return ok_; }
    QString File() const { return file_; }

    // The page's text; empty when the collection has no such page.
    QString Page(std::string_view page) const {
        const QUrl url(QStringLiteral("qthelp://%1/doc/%2").arg(namespace_, ToQ(page)));
        return QString::fromUtf8(engine_.fileData(url));
    }
    // The names of the collection's pages, sorted.
    QStringList Pages() const {
        QStringList pages;
        for (const QUrl& url : engine_.files(namespace_, QString(), QStringLiteral("html")))
            pages << url.path().section(QLatin1Char('/'), -1);
        pages.sort();
        return pages;
    }
    // Why a topic does not exist; empty when it does.
    QString Fault(const HelpTopic& topic) const {
        const QString text = Page(topic.Page);
        if (text.isEmpty()) return QStringLiteral("no page %1").arg(ToQ(topic.Page));
        if (topic.Anchor.empty()) return {};
        const QRegularExpression anchor(QStringLiteral(R"((id|name)\s*=\s*"%1")")
                                            .arg(QRegularExpression::escape(ToQ(topic.Anchor))));
        if (!anchor.match(text).hasMatch())
            return QStringLiteral("no anchor %1#%2").arg(ToQ(topic.Page), ToQ(topic.Anchor));
        return {};
    }

private:
    QString file_;
    mutable QHelpEngineCore engine_;  // files() is not const
    QString namespace_;
    bool ok_ = false;
};

void AddLanguages() {
    QTest::addColumn<QString>("language");
    QTest::newRow("czech") << QStringLiteral("CZECH");
    QTest::newRow("english") << QStringLiteral("ENGLISH");
}

}  // namespace

class HelpTopicsTest : public QObject {
    Q_OBJECT

private slots:
    void EveryLanguageHasItsOwnCollection_data() { AddLanguages(); }
    void EveryLanguageHasItsOwnCollection() {
        QFETCH(QString, language);
        const Collection collection(language);
        QVERIFY2(collection.Ok(), qPrintable(collection.File()));
        QCOMPARE(QFileInfo(collection.File()).fileName(),
                 QStringLiteral("tarvix_%1.qhc").arg(language));
    }

    void EveryContextOpensAnExistingPage_data() { AddLanguages(); }
    void EveryContextOpensAnExistingPage() {
        QFETCH(QString, language);
        const Collection collection(language);
        QVERIFY(collection.Ok());
        QStringList faults;
        for (const HelpContextRow& row : HelpContextTable()) {
            const QString fault = collection.Fault(row.Topic);
            if (!fault.isEmpty()) faults << QStringLiteral("%1: %2").arg(row.Context).arg(fault);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QVERIFY(collection.Fault(kHelpContentsTopic).isEmpty());
    }

    void EveryWindowAndKeywordOpensAnExistingPage_data() { AddLanguages(); }
    void EveryWindowAndKeywordOpensAnExistingPage() {
        QFETCH(QString, language);
        const Collection collection(language);
        QVERIFY(collection.Ok());
        QStringList faults;
        for (const HelpWindowRow& row : HelpWindowTable()) {
            const QString fault = collection.Fault(row.Topic);
            if (!fault.isEmpty()) faults << ToQ(row.WindowClass) + QStringLiteral(": ") + fault;
        }
        for (const HelpKeywordRow& row : HelpKeywordTable()) {
            const QString fault = collection.Fault(row.Topic);
            if (!fault.isEmpty()) faults << ToQ(row.Keyword) + QStringLiteral(": ") + fault;
        }
        // The pages the windows choose by their mode.
        for (const HelpTopic topic :
             {HelpTopic{"regression.html", ""}, HelpTopic{"chart_examples.html", "parametric"},
              HelpTopic{"chart_examples.html", "cartesian"},
              HelpTopic{"chart_examples.html", "expansion"}}) {
            const QString fault = collection.Fault(topic);
            if (!fault.isEmpty()) faults << fault;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    // Each language's collection holds the same pages, written in its own
    // language (a page left untranslated shows as the other language's).
    void EveryPageInBothLanguages() {
        const Collection czech(QStringLiteral("CZECH"));
        const Collection english(QStringLiteral("ENGLISH"));
        QVERIFY(czech.Ok() && english.Ok());
        const QStringList pages = czech.Pages();
        QVERIFY(pages.size() > 40);
        QCOMPARE(english.Pages(), pages);
        QStringList faults;
        for (const QString& page : pages) {
            if (!czech.Page(ToStd(page)).contains(QStringLiteral("<html lang=\"cs\">")))
                faults << QStringLiteral("czech ") + page;
            if (!english.Page(ToStd(page)).contains(QStringLiteral("<html lang=\"en\">")))
                faults << QStringLiteral("english ") + page;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    // The numbers the subsystems publish, and every statement of the task
    // language with the number its own table gives it, have a topic.
    void ThePublishedContextsHaveTopics() {
        for (const int context :
             {kShortcutHelpContext, kSeriesHelpContext, kTransferHelpContext, kChartReadHelpContext,
              kLibraryFileHelpContext, EMatrixError::kHelpContext, kConversionHelpContext,
              kVatHelpContext, kStatCellHelpContext, kStatHelpContext, kRegressionHelpContext,
              kNoSeriesHelpContext, kFourierHelpContext}) {
            QVERIFY2(TopicOfContext(context).has_value(), qPrintable(QString::number(context)));
        }
        for (int code = 1; code < kStatementCount; ++code) {
            const Keyword& keyword = KeywordOf(static_cast<StatementCode>(code));
            QVERIFY2(TopicOfKeyword(keyword.Word).has_value(), keyword.Word.data());
            if (keyword.HelpContext != 0) {
                QVERIFY2(TopicOfContext(keyword.HelpContext).has_value(), keyword.Word.data());
            }
        }
    }

    void LookupsOfTheTables() {
        QVERIFY(!TopicOfContext(0).has_value());
        QVERIFY(!TopicOfContext(9999).has_value());
        // Keywords in any case, with blanks; the words inside statements.
        QCOMPARE(TopicOfKeyword(" then "), TopicOfKeyword("IF"));
        QCOMPARE(TopicOfKeyword("Step"), TopicOfKeyword("FOR"));
        QVERIFY(!TopicOfKeyword("sin").has_value());
        QVERIFY(!TopicOfKeyword("").has_value());
        // HELP(topic): a number is a context, a word a keyword.
        QCOMPARE(TopicOfText(" 204 "), TopicOfContext(204));
        QCOMPARE(TopicOfText("equ"), TopicOfKeyword("EQU"));
        QVERIFY(!TopicOfText("12x").has_value());
        QVERIFY(!TopicOfText("-5").has_value());
    }

    // Alt+F1 in the task editor: the keyword under the caret, else the
    // statement of the line ("|" marks the caret).
    void TopicAtTheCaret_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");  // page#anchor, empty: none
        QTest::newRow("keyword") << "FOR i = 1 TO| 3"
                                 << "task_loops.html#for";
        QTest::newRow("caret before a word") << "IF x > 0 |THEN y = 1"
                                             << "task_branches.html#if";
        QTest::newRow("a variable of a FOR line") << "  for |i = 1 to 3"
                                                  << "task_loops.html#for";
        QTest::newRow("a word after THEN") << "IF x > 0 THEN GO|TO again"
                                           << "task_branches.html#goto";
        QTest::newRow("MSG inside IF") << "IF MS|G \"Go?\", CONF = 6 THEN END"
                                       << "task_print.html#msg";
        QTest::newRow("DATA with a digit") << "Data1 = |5"
                                           << "task_data.html#data";
        QTest::newRow("a label") << ":again|"
                                 << "task_branches.html#goto";
        QTest::newRow("OPEN of a file") << "OPEN \"a.txt\" FOR INPUT AS#1|"
                                        << "task_files.html#open";
        QTest::newRow("OPEN of a window") << "OPEN(GrForm, SH|OW)"
                                          << "task_windows.html#open";
        QTest::newRow("expression") << "Printer = 5|"
                                    << "";
        QTest::newRow("empty") << "|"
                               << "";
    }
    void TopicAtTheCaret() {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        const qsizetype caret = line.indexOf(QLatin1Char('|'));
        line.remove(caret, 1);
        const std::string text = ToStd(line);
        const std::optional<HelpTopic> topic = TopicAtCaret(text, static_cast<std::size_t>(caret));
        const QString shown =
            topic
                ? ToQ(topic->Page) + (topic->Anchor.empty() ? QString() : "#" + ToQ(topic->Anchor))
                : QString();
        QCOMPARE(shown, expected);
    }

    // A language without a collection gets the Czech one; no folder, none.
    void LookupOfTheCollection() {
        const QString czech = HelpCollectionFile(QStringLiteral("CZECH"));
        QVERIFY(!czech.isEmpty());
        QCOMPARE(HelpCollectionFile(QStringLiteral("GERMAN")), czech);
        QCOMPARE(HelpCollectionFile(QStringLiteral("english")),
                 HelpCollectionFile(QStringLiteral("ENGLISH")));
        QTemporaryDir empty;
        QVERIFY(HelpCollectionFile(QStringLiteral("CZECH"), {empty.path()}).isEmpty());
        // An installed program's shared data comes before the build tree's.
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/tarvix/help")));
        const QStringList folders = HelpFoldersFor(prefix.filePath(QStringLiteral("bin")));
        QCOMPARE(folders.size(), 2);
        QCOMPARE(
            QFileInfo(folders.first()).canonicalFilePath(),
            QFileInfo(prefix.filePath(QStringLiteral("share/tarvix/help"))).canonicalFilePath());
        // A collection installed there is found first.
        const QString installed =
            prefix.filePath(QStringLiteral("share/tarvix/help/tarvix_CZECH.qhc"));
        QVERIFY(QFile::copy(czech, installed));
        QCOMPARE(
            QFileInfo(HelpCollectionFile(QStringLiteral("ENGLISH"), folders)).canonicalFilePath(),
            QFileInfo(HelpCollectionFile(QStringLiteral("ENGLISH"))).canonicalFilePath());
        QCOMPARE(
            QFileInfo(HelpCollectionFile(QStringLiteral("CZECH"), folders)).canonicalFilePath(),
            QFileInfo(installed).canonicalFilePath());
    }

    // The working copy reads the shipped pages; it is made again (and its
    // full-text index dropped) only when the shipped collection changed.
    void WorkingCopyOfACollection() {
        QTemporaryDir shippedDir;
        QTemporaryDir cacheDir;
        const QString source = HelpCollectionFile(QStringLiteral("CZECH"));
        const QString sourceQch = QFileInfo(source).path() + QStringLiteral("/tarvix_CZECH.qch");
        const QString shipped = shippedDir.filePath(QStringLiteral("tarvix_CZECH.qhc"));
        const QString shippedQch = shippedDir.filePath(QStringLiteral("tarvix_CZECH.qch"));
        QVERIFY(QFile::copy(source, shipped));
        QVERIFY(QFile::copy(sourceQch, shippedQch));

        QString error;
        const QString copy = PrepareWorkingCollection(shipped, cacheDir.path(), &error);
        QVERIFY2(!copy.isEmpty(), qPrintable(error));
        QVERIFY(copy.startsWith(cacheDir.path()));
        {
            QHelpEngineCore engine(copy);
            QVERIFY(engine.setupData());
            QCOMPARE(
                QFileInfo(engine.documentationFileName(engine.registeredDocumentations().first()))
                    .canonicalFilePath(),
                QFileInfo(shippedQch).canonicalFilePath());
        }
        // An index beside the copy, as the search engine writes it.
        const QString index =
            QFileInfo(copy).path() + QStringLiteral("/.") + QFileInfo(copy).completeBaseName();
        QVERIFY(QDir().mkpath(index));
        QCOMPARE(PrepareWorkingCollection(shipped, cacheDir.path()), copy);
        QVERIFY(QFileInfo::exists(index));

        // New pages: a new copy, the old index gone.
        QFile qch(shippedQch);
        QVERIFY(qch.open(QIODevice::ReadWrite));
        QVERIFY(qch.setFileTime(QDateTime::currentDateTime().addSecs(3600),
                                QFileDevice::FileModificationTime));
        qch.close();
        QCOMPARE(PrepareWorkingCollection(shipped, cacheDir.path()), copy);
        QVERIFY(!QFileInfo::exists(index));

        QVERIFY(PrepareWorkingCollection(shippedDir.filePath(QStringLiteral("none.qhc")),
                                         cacheDir.path(), &error)
                    .isEmpty());
    }
};

QTEST_MAIN(HelpTopicsTest)
#include "help_topics_test.moc"
