// LineNumberEdit: a plain text editor with a gutter of line numbers at its
// left edge, as code editors have: numbers from 1, right-aligned, the gutter
// as wide as the largest number needs in the editor's font. The numbers
// follow scrolling and font changes; single lines' numbers can be marked
// with a background colour (as their lines are marked in the text).
#pragma once

#include <QColor>
#include <QMap>
#include <QPlainTextEdit>

namespace tarvix {

class LineNumberEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit LineNumberEdit(QWidget* parent = nullptr);

    void SetLineNumbersShown(bool shown);
    bool LineNumbersShown() const { return shown_; }
    // The gutter (its width is 0 in the layout while hidden).
    QWidget* Gutter() const { return gutter_; }
    int GutterWidth() const;

    // The number (from 1) of the first line in view.
    int FirstVisibleLineNumber() const;

    // Marks for line numbers: a 0-based line and its background colour.
    void SetLineNumberMarks(const QMap<int, QColor>& marks);
    const QMap<int, QColor>& LineNumberMarks() const { return marks_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class LineNumberGutter;
    void UpdateGutterWidth();
    void PlaceGutter();
    void UpdateGutter(const QRect& rect, int dy);
    void PaintGutter(QPaintEvent* event);
    QFont NumberFont() const;

    QWidget* gutter_ = nullptr;
    bool shown_ = true;
    QMap<int, QColor> marks_;
};

}  // namespace tarvix
