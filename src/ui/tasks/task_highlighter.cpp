// Colours of a task's text and the marks of its paused and error lines.
#include "ui/tasks/task_highlighter.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBlock>

#include "tasks/task_keywords.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

// The words inside IF and FOR lines.
const QRegularExpression& InnerWords() {
    static const QRegularExpression words(QStringLiteral("\\b(THEN|ELSE|TO|STEP)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    return words;
}

}  // namespace

TaskHighlighter::TaskHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    keyword_.setForeground(QColor(0, 0, 160));
    keyword_.setFontWeight(QFont::Bold);
    text_.setForeground(QColor(160, 0, 0));
    label_.setForeground(QColor(128, 0, 128));
    label_.setFontWeight(QFont::Bold);
    comment_.setForeground(QColor(0, 128, 0));
    comment_.setFontItalic(true);
}

const QTextCharFormat& TaskHighlighter::Format(Role role) const {
    switch (role) {
        case Role::Keyword:
            return keyword_;
        case Role::Text:
            return text_;
        case Role::Label:
            return label_;
        case Role::Comment:
            break;
    }
    return comment_;
}

void TaskHighlighter::highlightBlock(const QString& text) {
    const qsizetype apostrophe = text.indexOf(QLatin1Char('\''));
    const qsizetype end = apostrophe < 0 ? text.size() : apostrophe;
    if (apostrophe >= 0) setFormat(static_cast<int>(apostrophe),
                                   static_cast<int>(text.size() - apostrophe), comment_);
    qsizetype start = 0;
    while (start < end && (text[start] == QLatin1Char(' ') || text[start] == QLatin1Char('\t')))
        ++start;
    if (start >= end) return;
    const QString statement = text.mid(start, end - start);
    const RecognizedStatement recognized = RecognizeStatement(ToStd(statement));
    if (recognized.Code == StatementCode::Label) {
        setFormat(static_cast<int>(start), static_cast<int>(end - start), label_);
        return;
    }
    if (recognized.Code != StatementCode::None) {
        qsizetype letters = 0;
        while (letters < statement.size() && statement[letters].isLetter()) ++letters;
        setFormat(static_cast<int>(start), static_cast<int>(letters), keyword_);
    }
    // Texts in double quotes, then the inner words outside them.
    std::vector<std::pair<qsizetype, qsizetype>> quoted;
    for (qsizetype i = start; i < end; ++i) {
        if (text[i] != QLatin1Char('"')) continue;
        qsizetype close = text.indexOf(QLatin1Char('"'), i + 1);
        if (close < 0 || close >= end) close = end - 1;
        quoted.emplace_back(i, close);
        setFormat(static_cast<int>(i), static_cast<int>(close - i + 1), text_);
        i = close;
    }
    if (recognized.Code != StatementCode::If && recognized.Code != StatementCode::For) return;
    QRegularExpressionMatchIterator words = InnerWords().globalMatch(statement);
    while (words.hasNext()) {
        const QRegularExpressionMatch match = words.next();
        const qsizetype at = start + match.capturedStart();
        const bool inText = std::any_of(quoted.begin(), quoted.end(), [at](const auto& q) {
            return at > q.first && at < q.second;
        });
        if (!inText) setFormat(static_cast<int>(at), static_cast<int>(match.capturedLength()),
                               keyword_);
    }
}

QColor TaskLineColor(TaskLineKind kind) {
    return kind == TaskLineKind::Paused ? QColor(255, 255, 160) : QColor(255, 190, 190);
}

QTextEdit::ExtraSelection TaskLineMark(const QPlainTextEdit& editor, int line, TaskLineKind kind) {
    QTextEdit::ExtraSelection mark;
    const QTextBlock block = editor.document()->findBlockByNumber(line);
    if (!block.isValid()) return mark;
    mark.cursor = QTextCursor(block);
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    mark.format.setBackground(TaskLineColor(kind));
    return mark;
}

}  // namespace tarvix
