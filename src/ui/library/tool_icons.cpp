// The library's tool button icons.
#include "ui/library/tool_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QStyle>

namespace tarvix {
namespace {

// A character as an icon: pixmaps of the common tool bar sizes, so that a
// larger scale draws the glyph again instead of enlarging a small one.
QIcon CharacterIcon(QChar glyph) {
    QIcon icon;
    for (int size : {16, 20, 24, 32, 40, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::TextAntialiasing);
        QFont font = QApplication::font();
        font.setPixelSize(size * 7 / 8);
        painter.setFont(font);
        painter.setPen(QApplication::palette().color(QPalette::ButtonText));
        painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(glyph));
        icon.addPixmap(pixmap);
    }
    return icon;
}

struct StyleIcon {
    std::string_view Name;
    QStyle::StandardPixmap Pixmap;
};

constexpr StyleIcon kStyleIcons[] = {
    {"LibraryToolButton", QStyle::SP_DirIcon},
    {"OpenToolButton", QStyle::SP_DialogOpenButton},
    {"SaveToolButton", QStyle::SP_DialogSaveButton},
    {"NewToolButton", QStyle::SP_FileIcon},
    {"DeleteToolButton", QStyle::SP_TrashIcon},
    {"UseToolButton", QStyle::SP_DialogApplyButton},
    {"HelpToolButton", QStyle::SP_DialogHelpButton},
    // The search window
    {"CategToolButton", QStyle::SP_DirIcon},
    {"CommentToolButton", QStyle::SP_FileIcon},
    {"SelectToolButton", QStyle::SP_DialogApplyButton},
};

struct GlyphIcon {
    std::string_view Name;
    char16_t Glyph;
};

constexpr GlyphIcon kGlyphIcons[] = {
    {"FindToolButton", u'\u26B2'},      // a magnifying glass
    {"EditToolButton", u'\u270E'},      // a pencil
    {"CutToolButton", u'\u2702'},       // scissors
    {"CopyToolButton", u'\u2750'},      // two sheets
    {"PasteToolButton", u'\u2B07'},     // put down
    {"EdResizeToolButton", u'\u2195'},  // up and down
    {"SubCategToolButton", u'\u21B3'},  // down into the subcategories
    // The task run commands
    {"RunToCursorToolButton", u'\u21E5'},  // run to the caret's line
    {"RunToolButton", u'\u25B6'},          // run
    {"PauseToolButton", u'\u2225'},        // pause
    {"StopToolButton", u'\u25A0'},         // stop
};

}  // namespace

QIcon LibraryToolIcon(std::string_view name, const QStyle& style) {
    for (const StyleIcon& row : kStyleIcons) {
        if (row.Name == name) return style.standardIcon(row.Pixmap);
    }
    for (const GlyphIcon& row : kGlyphIcons) {
        if (row.Name == name) return CharacterIcon(QChar(row.Glyph));
    }
    return {};
}

}  // namespace tarvix
