// Registering the display font from the program's resources.
#include "ui/widgets/display_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace tarvix {

QString DisplayFontFamily() {
    static const QString family = [] {
        const int id =
            QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSansMono.ttf"));
        const QStringList families =
            id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont).family()
                                  : families.front();
    }();
    return family;
}

QFont DisplayFont(qreal pointSize) {
    QFont font(DisplayFontFamily());
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::Monospace);
    return font;
}

}  // namespace tarvix
