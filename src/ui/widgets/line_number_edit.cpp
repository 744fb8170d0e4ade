// The line-number gutter of LineNumberEdit: a child widget over the editor's
// left viewport margin, painted from the layout of the visible blocks.
#include "ui/widgets/line_number_edit.h"

#include <QPainter>
#include <QTextBlock>
#include <algorithm>

namespace tarvix {

// The gutter widget forwards its painting to the editor, which knows the
// geometry of its blocks.
class LineNumberGutter : public QWidget {
public:
    explicit LineNumberGutter(LineNumberEdit* editor) : QWidget(editor), editor_(editor) {
        setObjectName(QStringLiteral("LineNumberGutter"));
    }
    QSize sizeHint() const override { return {editor_->GutterWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { editor_->PaintGutter(event); }

private:
    LineNumberEdit* editor_;
};

namespace {

// Space around the numbers, in pixels.
constexpr int kNumberPaddingLeft = 6;
constexpr int kNumberPaddingRight = 4;

int DigitCount(int number) {
    int digits = 1;
    while (number >= 10) {
        number /= 10;
        ++digits;
    }
    return digits;
}

}  // namespace

LineNumberEdit::LineNumberEdit(QWidget* parent) : QPlainTextEdit(parent) {
    gutter_ = new LineNumberGutter(this);
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { UpdateGutterWidth(); });
    connect(this, &QPlainTextEdit::updateRequest, this,
            [this](const QRect& rect, int dy) { UpdateGutter(rect, dy); });
    UpdateGutterWidth();
}

void LineNumberEdit::SetLineNumbersShown(bool shown) {
    if (shown_ == shown) return;
    shown_ = shown;
    gutter_->setVisible(shown);
    UpdateGutterWidth();
}

// The numbers are drawn upright and plain whatever the text's style.
QFont LineNumberEdit::NumberFont() const {
    QFont font = this->font();
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

int LineNumberEdit::GutterWidth() const {
    if (!shown_) return 0;
    const QFontMetrics metrics(NumberFont());
    const int digits = DigitCount(std::max(1, blockCount()));
    return kNumberPaddingLeft + metrics.horizontalAdvance(QLatin1Char('9')) * digits +
           kNumberPaddingRight;
}

int LineNumberEdit::FirstVisibleLineNumber() const { return firstVisibleBlock().blockNumber() + 1; }

void LineNumberEdit::SetLineNumberMarks(const QMap<int, QColor>& marks) {
    if (marks_ == marks) return;
    marks_ = marks;
    gutter_->update();
}

void LineNumberEdit::UpdateGutterWidth() {
    setViewportMargins(GutterWidth(), 0, 0, 0);
    PlaceGutter();
}

void LineNumberEdit::PlaceGutter() {
    const QRect area = contentsRect();
    gutter_->setGeometry(QRect(area.left(), area.top(), GutterWidth(), area.height()));
}

void LineNumberEdit::UpdateGutter(const QRect& rect, int dy) {
    if (dy != 0) {
        gutter_->scroll(0, dy);
    } else {
        gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    }
    if (rect.contains(viewport()->rect())) UpdateGutterWidth();
}

void LineNumberEdit::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    PlaceGutter();
}

void LineNumberEdit::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        UpdateGutterWidth();
        gutter_->update();
    }
}

void LineNumberEdit::PaintGutter(QPaintEvent* event) {
    QPainter painter(gutter_);
    const QPalette& colours = palette();
    painter.fillRect(event->rect(), colours.color(QPalette::Window));
    painter.setPen(colours.color(QPalette::Mid));
    const int edge = gutter_->width() - 1;
    painter.drawLine(edge, event->rect().top(), edge, event->rect().bottom());

    QFont plain = NumberFont();
    plain.setBold(false);
    QFont marked = plain;
    marked.setBold(true);
    const int textWidth = gutter_->width() - kNumberPaddingLeft - kNumberPaddingRight;
    // The viewport starts below the editor's frame; the gutter at the frame's top.
    const int offset = viewport()->geometry().top() - gutter_->geometry().top();

    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top() + offset;
    while (block.isValid() && top <= event->rect().bottom()) {
        const qreal height = blockBoundingRect(block).height();
        if (block.isVisible() && top + height >= event->rect().top()) {
            const int lineHeight = static_cast<int>(height);
            const auto mark = marks_.constFind(block.blockNumber());
            const bool isMarked = mark != marks_.constEnd();
            if (isMarked) {
                painter.fillRect(QRect(0, static_cast<int>(top), edge, lineHeight), *mark);
            }
            painter.setFont(isMarked ? marked : plain);
            painter.setPen(colours.color(isMarked ? QPalette::Text : QPalette::Dark));
            // The number on the block's first line, where the text's baseline is.
            const int firstLine = block.layout() && block.layout()->lineCount() > 0
                                      ? static_cast<int>(block.layout()->lineAt(0).height())
                                      : lineHeight;
            painter.drawText(QRect(kNumberPaddingLeft, static_cast<int>(top), textWidth, firstLine),
                             Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(block.blockNumber() + 1));
        }
        top += height;
        block = block.next();
    }
}

}  // namespace tarvix
