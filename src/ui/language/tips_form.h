// TTipsForm: the tip of the day. It shows the tips of the interface language
// one by one in the order of the tip deck (storage/tips.h); its check box is
// the setting Help/TipsOfTheDay. Texts come from the catalog's section Tips
// and are re-applied on a language change.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "storage/tips.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tarvix {

class TextCatalog;

class TTipsForm : public QDialog {
    Q_OBJECT

public:
    // `showAtStart` is the setting's value; `changed` receives each new value.
    TTipsForm(std::vector<std::string> tips, TextCatalog& texts, bool showAtStart,
              std::function<void(bool)> changed, QWidget* parent);

    Q_INVOKABLE void ApplyTexts();
    // The tips of another language (the deck starts again).
    void SetTips(std::vector<std::string> tips);
    // "&Další tip".
    void DalsiTipButtonClick();
    QString TipText() const;

private:
    TextCatalog& texts_;
    std::vector<std::string> tips_;
    TipDeck deck_;
    std::optional<std::size_t> shown_;
    std::function<void(bool)> changed_;
    QLabel* headingLabel_ = nullptr;
    QLabel* tipLabel_ = nullptr;
    QCheckBox* showCheckBox_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

class Settings;
class TLanguageHub;

// Shows the tip window of `parent` (one at a time) with the tips of the
// hub's language, which follow a language change; the check box is the
// setting Help/TipsOfTheDay of `settings` (which outlive `parent`).
TTipsForm* ShowTipsForm(QWidget* parent, TextCatalog& texts, TLanguageHub& language,
                        Settings& settings);

}  // namespace tarvix
