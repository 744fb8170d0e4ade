// Whether a text holds a letter of the Czech alphabet beyond ASCII (with
// its diacritics), either case.
#pragma once

#include <QString>

namespace tarvix {

inline bool HasCzechLetter(const QString& text) {
    static const QString kLetters = QStringLiteral("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
    for (const QChar c : text) {
        if (kLetters.contains(c)) return true;
    }
    return false;
}

}  // namespace tarvix
