// TPrefForm: the preferences dialog.
#include "ui/settings/pref_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "storage/text_catalog.h"
#include "ui/language/action_texts.h"
#include "ui/settings/setting_qt.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

constexpr std::string_view kSection = "PrefForm";

QGroupBox* NewGroup(QWidget* parent, const QString& title, QLayout* layout) {
    auto* group = new QGroupBox(title, parent);
    group->setLayout(layout);
    return group;
}

QWidget* NewPage(std::initializer_list<QWidget*> groups) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (QWidget* group : groups) layout->addWidget(group);
    layout->addStretch(1);
    return page;
}

std::string Trimmed(const QLineEdit* edit) {
    return ToStd(edit->text().trimmed());
}

}  // namespace

TPrefForm::TPrefForm(PreferencesModel& model, Calculator& calculator, HistoryLog& history,
                     TextCatalog& texts, std::vector<std::string> languages, bool trayAvailable,
                     QWidget* parent)
    : QDialog(parent),
      model_(model),
      calculator_(calculator),
      history_(history),
      texts_(texts),
      languages_(std::move(languages)) {
    setObjectName(QStringLiteral("PrefForm"));
    setWindowTitle(ToQ(texts_.Text("Title", "PrefForm", "Nastavení")));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl"));
    tabs_->addTab(BuildVariablesTab(), Text("VariablesTab", "Proměnné"));
    tabs_->addTab(BuildFunctionsTab(), Text("FunctionsTab", "Funkce"));
    tabs_->addTab(BuildHistoryTab(), Text("HistoryTab", "Historie"));
    tabs_->addTab(BuildLanguageTab(trayAvailable), Text("LanguageTab", "Jazyk"));
    tabs_->addTab(BuildAppearanceTab(), Text("AppearanceTab", "Vzhled"));
    tabs_->addTab(BuildHolidaysTab(), Text("HolidaysTab", "Svátky"));
    layout->addWidget(tabs_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto addButton = [&](const char* name, std::string_view key, std::string_view caption) {
        auto* button = new QPushButton(Text(key, caption), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    okButton_ = addButton("OKButton", "OK", "OK");
    okButton_->setDefault(true);
    cancelButton_ = addButton("StornoButton", "Cancel", "Storno");
    applyButton_ = addButton("PouzitButton", "Apply", "Použít");
    helpButton_ = addButton("NapovedaButton", "Help", "Nápověda");
    layout->addLayout(buttons);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        ApplyClick();
        accept();
    });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(applyButton_, &QPushButton::clicked, this, &TPrefForm::ApplyClick);
    connect(helpButton_, &QPushButton::clicked, this, &TPrefForm::HelpRequested);

    ShowValues(model_.Edited());
    applyButton_->setEnabled(model_.ApplyEnabled());
}

QString TPrefForm::Text(std::string_view key, std::string_view builtIn) const {
    return ToQ(texts_.Text(kSection, key, builtIn));
}

QCheckBox* TPrefForm::NewCheck(const char* name, std::string_view key, std::string_view caption) {
    auto* check = new QCheckBox(Text(key, caption), this);
    check->setObjectName(QString::fromLatin1(name));
    connect(check, &QCheckBox::toggled, this, &TPrefForm::Changed);
    return check;
}

QRadioButton* TPrefForm::NewRadio(const char* name, std::string_view key, std::string_view caption) {
    auto* radio = new QRadioButton(Text(key, caption), this);
    radio->setObjectName(QString::fromLatin1(name));
    connect(radio, &QRadioButton::toggled, this, &TPrefForm::Changed);
    return radio;
}

QLineEdit* TPrefForm::NewEdit(const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
    connect(edit, &QLineEdit::textEdited, this, &TPrefForm::Changed);
    return edit;
}

QWidget* TPrefForm::BuildVariablesTab() {
    autoRegister_ = NewCheck("AutoRegisterCheckBox", "AutoRegister", "&Automaticky registrovat proměnné ");
    numberInsteadAns_ =
        NewCheck("NumberInsteadAnsCheckBox", "NumberInsteadAns", "&Používat číslo místo proměnné Ans");
    auto* options = new QVBoxLayout;
    options->addWidget(autoRegister_);
    options->addWidget(numberInsteadAns_);

    imaginaryUnit_ = new QComboBox(this);
    imaginaryUnit_->setObjectName(QStringLiteral("ImagUnitComboBox"));
    imaginaryUnit_->addItems({QStringLiteral("i"), QStringLiteral("j")});
    connect(imaginaryUnit_, &QComboBox::currentIndexChanged, this, &TPrefForm::Changed);
    auto* unitLabel = new QLabel(Text("Symbol", "S&ymbol:"), this);
    unitLabel->setBuddy(imaginaryUnit_);
    auto* unit = new QHBoxLayout;
    unit->addWidget(unitLabel);
    unit->addWidget(imaginaryUnit_);
    unit->addStretch(1);

    scalars_ = NewRadio("SkalaryRadioButton", "Scalars", "&Skaláry");
    vectors_ = NewRadio("VektoryRadioButton", "Vectors", "&Vektory - datové řady");
    connect(scalars_, &QRadioButton::toggled, this, &TPrefForm::ScalarsChosen);
    auto* kind = new QVBoxLayout;
    kind->addWidget(scalars_);
    kind->addWidget(vectors_);
    return NewPage({NewGroup(this, {}, options),
                    NewGroup(this, Text("ImaginaryUnit", "&Imaginární jednotka komplexních čísel "), unit),
                    NewGroup(this, Text("VariablesAs", "Proměnné obsloužit jako "), kind)});
}

QWidget* TPrefForm::BuildFunctionsTab() {
    fnInsert_ = NewRadio("VkladatFnRadioButton", "FnInsert", "&Vkládat Fn do výrazu");
    fnEval_ = NewRadio("VyrazArgumentemRadioButton", "FnEval", "Vý&raz argumentem Fn");
    auto* fn = new QVBoxLayout;
    fn->addWidget(fnInsert_);
    fn->addWidget(fnEval_);
    auto* fnGroup = new QButtonGroup(this);
    fnGroup->addButton(fnInsert_);
    fnGroup->addButton(fnEval_);

    enterAppends_ = NewCheck("EnterVkladaCheckBox", "EnterAppends", "&Enter vkládá data");
    auto* stat = new QVBoxLayout;
    stat->addWidget(enterAppends_);

    spaceStandard_ = NewRadio("MezernikStandardRadioButton", "SpaceStandard", "S&tandardní funkce");
    spaceBrackets_ =
        NewRadio("MezernikZavorkyRadioButton", "SpaceBrackets", "&Mezerník vkládá závorkový pár");
    auto* space = new QVBoxLayout;
    space->addWidget(spaceStandard_);
    space->addWidget(spaceBrackets_);
    auto* spaceGroup = new QButtonGroup(this);
    spaceGroup->addButton(spaceStandard_);
    spaceGroup->addButton(spaceBrackets_);

    vatRate_ = NewEdit("SazbaDPHEdit");
    reducedVat_ = NewEdit("SnizenaSazbaDPHEdit");
    basisRound_ = NewEdit("ZaokrouhleniZakladuEdit");
    totalRound_ = NewEdit("ZaokrouhleniCenyEdit");
    auto* vat = new QFormLayout;
    const std::pair<QLineEdit*, QString> vatRows[] = {
        {vatRate_, Text("VatRate", "&Základní sazba DPH (%)")},
        {reducedVat_, Text("ReducedVatRate", "&Snížená sazba DPH (%)")},
        {basisRound_, Text("BasisRound", "Z&aokrouhlení základu, DPH")},
        {totalRound_, Text("TotalRound", "Za&okrouhlení ceny s DPH")},
    };
    for (const auto& [edit, caption] : vatRows) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        vat->addRow(label, edit);
    }

    askClear_ = NewCheck("ClearCheckBox", "AskClear", "&Clear");
    askReset_ = NewCheck("ResetCheckBox", "AskReset", "&Reset");
    auto* ask = new QHBoxLayout;
    ask->addWidget(askClear_);
    ask->addWidget(askReset_);
    ask->addStretch(1);

    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(NewGroup(this, Text("FnButtons", "Tlačítka tabla Fn "), fn), 0, 0);
    grid->addWidget(NewGroup(this, Text("Statistics", "Statistika"), stat), 1, 0);
    grid->addWidget(NewGroup(this, Text("Space", "Mezerník "), space), 2, 0);
    grid->addWidget(NewGroup(this, Text("Vat", "DPH"), vat), 0, 1, 2, 1);
    grid->addWidget(NewGroup(this, Text("Confirm", "&Potvrzovat funkci"), ask), 2, 1);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* TPrefForm::BuildHistoryTab() {
    saveHistory_ = NewCheck("UkladatLogCheckBox", "SaveHistory", "&Ukládat tarvix.log");
    clearOnStart_ = NewCheck("VymazatPriStartuCheckBox", "ClearOnStart", "V&ymazat při startu");
    auto* file = new QVBoxLayout;
    file->addWidget(saveHistory_);
    file->addWidget(clearOnStart_);

    modeButtons_[0] = NewRadio("VysledkyRadioButton", "Results", "&Výsledky");
    modeButtons_[1] = NewRadio("VyrazyVysledkyRadioButton", "ExpressionsResults", "Vý&razy a výsledky");
    modeButtons_[2] = NewRadio("VyrazyPromenneRadioButton", "ExpressionsVariablesResults",
                               "Výr&azy, hodnoty proměnných a výsledky");
    copyToClipboard_ = NewCheck("KopirovatCheckBox", "CopyToClipboard", "&Kopírovat do schránky");
    auto* record = new QVBoxLayout;
    for (QRadioButton* radio : modeButtons_) record->addWidget(radio);
    record->addWidget(copyToClipboard_);

    adjustWidth_ = NewCheck("AdjustovatCheckBox", "AdjustWidth", "&Adjustovat šířku okna");
    auto* window = new QVBoxLayout;
    window->addWidget(adjustWidth_);

    auto* clear = new QPushButton(Text("ClearHistory", "Vy&mazat historii"), this);
    clear->setObjectName(QStringLiteral("VymazatHistoriiButton"));
    clear->setAutoDefault(false);
    connect(clear, &QPushButton::clicked, this, [this] { history_.Clear(); });
    auto* row = new QHBoxLayout;
    row->addWidget(clear);
    row->addStretch(1);
    auto* rowWidget = new QWidget(this);
    rowWidget->setLayout(row);
    return NewPage({NewGroup(this, Text("File", "Soubor "), file),
                    NewGroup(this, Text("Record", "Ukládat "), record),
                    NewGroup(this, Text("Window", "Okno "), window), rowWidget});
}

QWidget* TPrefForm::BuildLanguageTab(bool trayAvailable) {
    languageList_ = new QListWidget(this);
    languageList_->setObjectName(QStringLiteral("JazykListBox"));
    for (const std::string& language : languages_) languageList_->addItem(ToQ(language));
    connect(languageList_, &QListWidget::currentRowChanged, this, &TPrefForm::Changed);
    languageLabel_ = new QLabel(Text("ChangeLanguage", "&Change the language/Sprache wechseln"), this);
    languageLabel_->setBuddy(languageList_);
    // Only the built-in language: nothing to choose.
    const bool choice = languages_.size() > 1;
    languageList_->setEnabled(choice);
    languageLabel_->setEnabled(choice);
    auto* language = new QVBoxLayout;
    language->addWidget(languageLabel_);
    language->addWidget(languageList_);

    trayIcon_ = NewCheck("IkonaCheckBox", "TrayIcon", "&Ikona v systémové liště");
    minimizeToTray_ =
        NewCheck("MinimalizovatCheckBox", "MinimizeToTray", "&Minimalizovat do ikony systémové lišty");
    numLock_ = NewCheck("NumLockCheckBox", "NumLock", "&Aktivace klávesou Num Lock");
    startAtLogin_ = NewCheck("SpustitCheckBox", "RunAtStart",
                             "&Spustit při startu Windows s minimalizací do ikony");
    if (!trayAvailable) {
        const QString hint = Text("NoTrayHint", "Pracovní plocha nemá oznamovací oblast pro ikony.");
        for (QCheckBox* check : {trayIcon_, minimizeToTray_}) {
            check->setEnabled(false);
            check->setToolTip(hint);
        }
    }
    numLock_->setEnabled(false);
    numLock_->setToolTip(Text("NumLockHint",
                              "Klávesu Num Lock nemůže program sledovat mimo svá okna; volba se "
                              "jen ukládá."));
    auto* application = new QVBoxLayout;
    for (QCheckBox* check : {trayIcon_, minimizeToTray_, numLock_, startAtLogin_}) {
        application->addWidget(check);
    }
    return NewPage({NewGroup(this, {}, language),
                    NewGroup(this, Text("Application", "Aplikace "), application)});
}

QWidget* TPrefForm::BuildAppearanceTab() {
    auto newSample = [this](const char* name) {
        auto* sample = new QLabel(this);
        sample->setObjectName(QString::fromLatin1(name));
        sample->setAutoFillBackground(true);
        sample->setFrameShape(QFrame::Panel);
        sample->setFrameShadow(QFrame::Sunken);
        sample->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sample->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 22);
        return sample;
    };
    auto newButton = [this](const char* name, std::string_view key, std::string_view caption,
                            std::function<void()> command) {
        auto* button = new QPushButton(Text(key, caption), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, command] {
            command();
            ShowSamples();
            Changed();
        });
        return button;
    };
    realSample_ = newSample("RealSample");
    complexSample_ = newSample("ComplexSample");
    auto* display = new QGridLayout;
    display->addWidget(new QLabel(Text("RealSample", "real:"), this), 0, 0);
    display->addWidget(realSample_, 0, 1);
    display->addWidget(newButton("RealFontButton", "Font", "Písmo...",
                                 [this] { ChooseFont(display_.RealFont); }), 0, 2);
    display->addWidget(newButton("RealFontColorButton", "FontColor", "Barva písma...",
                                 [this] { ChooseColor(display_.RealFont.Color); }), 0, 3);
    display->addWidget(newButton("RealColorButton", "Background", "Pozadí...",
                                 [this] { ChooseColor(display_.RealColor); }), 0, 4);
    display->addWidget(new QLabel(Text("ComplexSample", "cplx:"), this), 1, 0);
    display->addWidget(complexSample_, 1, 1);
    display->addWidget(newButton("ComplexFontButton", "Font", "Písmo...",
                                 [this] { ChooseFont(display_.ComplexFont); }), 1, 2);
    display->addWidget(newButton("ComplexFontColorButton", "FontColor", "Barva písma...",
                                 [this] { ChooseColor(display_.ComplexFont.Color); }), 1, 3);
    display->addWidget(newButton("ComplexColorButton", "Background", "Pozadí...",
                                 [this] { ChooseColor(display_.ComplexColor); }), 1, 4);
    display->setColumnStretch(1, 1);

    switchSample_ = new QLabel(QStringLiteral("deg  dec  real  norm  insert"), this);
    switchSample_->setObjectName(QStringLiteral("SwitchSample"));
    auto* switches = new QHBoxLayout;
    switches->addWidget(switchSample_, 1);
    switches->addWidget(newButton("SwitchColorButton", "FontColor", "Barva písma...",
                                  [this] { ChooseColor(display_.SwitchFontColor); }));

    hexSuffix_ = NewRadio("HexSuffixRadioButton", "HexSuffix", "0AB12h");
    hexPrefix_ = NewRadio("HexPrefixRadioButton", "HexPrefix", "0xAB12");
    auto* hex = new QHBoxLayout;
    hex->addWidget(hexSuffix_);
    hex->addWidget(hexPrefix_);
    hex->addStretch(1);

    auto* restore = newButton("ObnovitButton", "Restore", "&Obnovit",
                              [this] { display_ = DefaultDisplayAppearance(); });
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(restore);
    auto* rowWidget = new QWidget(this);
    rowWidget->setLayout(row);
    return NewPage({NewGroup(this, Text("Display", "Display "), display),
                    NewGroup(this, Text("Switches", "Přepínače "), switches),
                    NewGroup(this, Text("HexFormat", "Hex formát zobrazení "), hex), rowWidget});
}

QWidget* TPrefForm::BuildHolidaysTab() {
    holidays_ = new QPlainTextEdit(this);
    holidays_->setObjectName(QStringLiteral("SvatkyMemo"));
    holidays_->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(holidays_, &QPlainTextEdit::textChanged, this, &TPrefForm::Changed);
    auto* label = new QLabel(Text("Holidays", "&Svátky:"), this);
    label->setBuddy(holidays_);
    auto* warning = new QLabel(
        Text("EasterWarning", "Prosím, nezadávejte velikonoční pondělí, počítá se automaticky !"), this);
    warning->setWordWrap(true);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(label);
    layout->addWidget(holidays_, 1);
    layout->addWidget(warning);
    return page;
}

void TPrefForm::ShowValues(const PrefValues& v) {
    showing_ = true;
    autoRegister_->setChecked(v.AutoRegister);
    numberInsteadAns_->setChecked(v.NumberInsteadAns);
    imaginaryUnit_->setCurrentIndex(v.ImaginaryUnit == 'j' ? 1 : 0);
    (v.VarAsVector ? vectors_ : scalars_)->setChecked(true);
    (v.KeypadMode == FunctionMode::Eval ? fnEval_ : fnInsert_)->setChecked(true);
    enterAppends_->setChecked(v.EnterAppendsData);
    (v.SpaceAsBrackets ? spaceBrackets_ : spaceStandard_)->setChecked(true);
    vatRate_->setText(ToQ(v.VatRate));
    reducedVat_->setText(ToQ(v.ReducedVatRate));
    basisRound_->setText(ToQ(v.BasisRoundUnit));
    totalRound_->setText(ToQ(v.TotalRoundUnit));
    askClear_->setChecked(v.AskForClear);
    askReset_->setChecked(v.AskForReset);
    saveHistory_->setChecked(v.History.SaveHistory);
    clearOnStart_->setChecked(v.History.ClearOnStart);
    modeButtons_[static_cast<int>(v.History.Mode)]->setChecked(true);
    copyToClipboard_->setChecked(v.CopyToClipboard);
    adjustWidth_->setChecked(v.History.AdjustWindowWidth);
    const auto found = std::ranges::find(languages_, v.Language);
    languageList_->setCurrentRow(found == languages_.end()
                                     ? 0
                                     : static_cast<int>(found - languages_.begin()));
    trayIcon_->setChecked(v.Application.ShowTrayIcon);
    minimizeToTray_->setChecked(v.Application.MinimizeToTray);
    numLock_->setChecked(v.Application.ActivateByNumLock);
    startAtLogin_->setChecked(v.Application.RunMinimizedAtLogin);
    display_ = v.Display;
    (v.Display.HexPrefix ? hexPrefix_ : hexSuffix_)->setChecked(true);
    QStringList holidays;
    for (const std::string& line : v.Holidays) holidays << ToQ(line);
    holidays_->setPlainText(holidays.join(QLatin1Char('\n')));
    ShowSamples();
    showing_ = false;
}

void TPrefForm::ShowSamples() {
    auto paint = [](QLabel* sample, std::int64_t background, const FontSetting& font,
                    const QString& text) {
        QPalette palette = sample->palette();
        palette.setColor(QPalette::Window, ColorOfSetting(background));
        palette.setColor(QPalette::WindowText, ColorOfSetting(font.Color));
        sample->setPalette(palette);
        sample->setFont(FontOfSetting(font));
        sample->setText(text);
    };
    paint(realSample_, display_.RealColor, display_.RealFont, QStringLiteral("3.1415927 "));
    paint(complexSample_, display_.ComplexColor, display_.ComplexFont,
          QStringLiteral("1.5+2.5i "));
    QPalette palette = switchSample_->palette();
    palette.setColor(QPalette::WindowText, ColorOfSetting(display_.SwitchFontColor));
    switchSample_->setPalette(palette);
}

PrefValues TPrefForm::ControlValues() const {
    PrefValues v = model_.Edited();
    v.AutoRegister = autoRegister_->isChecked();
    v.NumberInsteadAns = numberInsteadAns_->isChecked();
    v.ImaginaryUnit = imaginaryUnit_->currentIndex() == 1 ? 'j' : 'i';
    v.VarAsVector = vectors_->isChecked();
    v.KeypadMode = fnEval_->isChecked() ? FunctionMode::Eval : FunctionMode::Insert;
    v.EnterAppendsData = enterAppends_->isChecked();
    v.SpaceAsBrackets = spaceBrackets_->isChecked();
    v.VatRate = Trimmed(vatRate_);
    v.ReducedVatRate = Trimmed(reducedVat_);
    v.BasisRoundUnit = Trimmed(basisRound_);
    v.TotalRoundUnit = Trimmed(totalRound_);
    v.AskForClear = askClear_->isChecked();
    v.AskForReset = askReset_->isChecked();
    v.History.SaveHistory = saveHistory_->isChecked();
    v.History.ClearOnStart = clearOnStart_->isChecked();
    for (int i = 0; i < 3; ++i) {
        if (modeButtons_[i]->isChecked()) v.History.Mode = static_cast<HistoryMode>(i);
    }
    v.CopyToClipboard = copyToClipboard_->isChecked();
    v.History.AdjustWindowWidth = adjustWidth_->isChecked();
    if (const QListWidgetItem* item = languageList_->currentItem()) v.Language = ToStd(item->text());
    v.Application.ShowTrayIcon = trayIcon_->isChecked();
    v.Application.MinimizeToTray = minimizeToTray_->isChecked();
    v.Application.ActivateByNumLock = numLock_->isChecked();
    v.Application.RunMinimizedAtLogin = startAtLogin_->isChecked();
    v.Display = display_;
    v.Display.HexPrefix = hexPrefix_->isChecked();
    // The holiday lines without blank ones.
    v.Holidays.clear();
    for (const QString& line : holidays_->toPlainText().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) v.Holidays.push_back(ToStd(line.trimmed()));
    }
    return v;
}

void TPrefForm::Changed() {
    if (showing_) return;
    model_.Edit(ControlValues());
    applyButton_->setEnabled(true);
}

void TPrefForm::ScalarsChosen(bool on) {
    if (!on || showing_) return;
    if (!model_.ScalarsNeedWarning(ControlValues())) return;
    const std::string warning = CatalogString(texts_, texts::PrefFormScalarsWarning);
    if (calculator_.ShowMessageBox(warning, MessageKind::Warning,
                                   MessageButton::Ok | MessageButton::Cancel,
                                   0) == ModalResult::Ok) {
        return;
    }
    // Cancelled: the vectors stay.
    showing_ = true;
    vectors_->setChecked(true);
    showing_ = false;
    Changed();
}

void TPrefForm::ApplyClick() {
    if (!model_.ApplyEnabled()) return;
    model_.Edit(ControlValues());
    model_.Apply();
    // The applied values (a language change may have brought another holiday
    // list, a failed autostart entry keeps the old choice).
    ShowValues(model_.Edited());
    applyButton_->setEnabled(false);
}

void TPrefForm::SetChoosers(FontChooser font, ColorChooser color) {
    fontChooser_ = std::move(font);
    colorChooser_ = std::move(color);
}

void TPrefForm::ChooseFont(FontSetting& font) {
    const QFont current = FontOfSetting(font);
    std::optional<QFont> chosen;
    if (fontChooser_) {
        chosen = fontChooser_(current);
    } else {
        bool ok = false;
        const QFont picked = QFontDialog::getFont(&ok, current, this);
        if (ok) chosen = picked;
    }
    if (chosen) font = SettingOfFont(*chosen, font);
}

void TPrefForm::ChooseColor(std::int64_t& color) {
    const QColor current = ColorOfSetting(color);
    std::optional<QColor> chosen;
    if (colorChooser_) {
        chosen = colorChooser_(current);
    } else {
        const QColor picked = QColorDialog::getColor(current, this);
        if (picked.isValid()) chosen = picked;
    }
    if (chosen) color = SettingOfColor(*chosen);
}

}  // namespace tarvix
