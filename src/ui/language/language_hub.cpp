// Applying the interface language and re-applying the windows' texts.
#include "ui/language/language_hub.h"

#include <QAction>
#include <QApplication>
#include <QMetaMethod>
#include <QWidget>

#include "calculator/message_box.h"
#include "engine/parser_messages.h"
#include "ui/chart/gr_form.h"
#include "ui/help/help_form.h"
#include "ui/language/tips_form.h"
#include "ui/library/expr_form.h"
#include "ui/library/find_form.h"
#include "ui/lists/function_list_form.h"
#include "ui/lists/log_form.h"
#include "ui/lists/var_form.h"
#include "ui/main/main_form.h"
#include "ui/settings/disp_form.h"
#include "ui/shell/qt_translations.h"
#include "ui/statistics/stat_form.h"
#include "ui/tasks/ed_form.h"
#include "ui/tools/conv_form.h"
#include "ui/widgets/qt_text.h"
#include "ui/worksheet/gem_form.h"

namespace tarvix {

TLanguageHub::TLanguageHub(TextCatalog& texts, LanguageFolders folders, QObject* parent)
    : QObject(parent), texts_(texts), folders_(std::move(folders)) {
    setObjectName(QStringLiteral("LanguageHub"));
}

QStringList TLanguageHub::LanguageNames() const {
    QStringList names;
    for (const std::string& name : tarvix::LanguageNames(folders_)) names << ToQ(name);
    return names;
}

QString TLanguageHub::StartLanguage(const QString& settingsLanguage) const {
    return runLanguage_.isEmpty() ? settingsLanguage : runLanguage_;
}

LanguageApplyResult TLanguageHub::ApplyLanguage(const QString& name) {
    LanguageApplyResult result = tarvix::ApplyLanguage(texts_, folders_, ToStd(name));
    if (!result.Ok) return result;
    language_ = ToQ(result.Language);
    InstallQtTranslations(result.FromFile ? result.Language : std::string(kBuiltInLanguage));
    ReapplyWindowTexts();
    emit LanguageChanged(language_);
    return result;
}

namespace {

// Calls ApplyTexts() when the widget is one of the windows W….
template <typename... W>
bool ApplyTextsOf(QWidget* widget) {
    return ((qobject_cast<W*>(widget) ? (qobject_cast<W*>(widget)->ApplyTexts(), true) : false) ||
            ...);
}

}  // namespace

namespace {

// The dynamic properties of a bound text.
constexpr const char* kSectionProperty = "tarvixCatalogSection";
constexpr const char* kKeyProperty = "tarvixCatalogKey";
constexpr const char* kBuiltInProperty = "tarvixCatalogBuiltIn";

void SetBoundText(QObject* target, TextCatalog& texts) {
    const QString text = ToQ(texts.Text(target->property(kSectionProperty).toString().toStdString(),
                                        target->property(kKeyProperty).toString().toStdString(),
                                        target->property(kBuiltInProperty).toString().toStdString()));
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
    } else {
        target->setProperty("text", text);
    }
}

}  // namespace

void BindCatalogText(QObject* target, TextCatalog& texts, std::string_view section,
                     std::string_view key, std::string_view builtIn) {
    target->setProperty(kSectionProperty, ToQ(section));
    target->setProperty(kKeyProperty, ToQ(key));
    target->setProperty(kBuiltInProperty, ToQ(builtIn));
    SetBoundText(target, texts);
}

void TLanguageHub::ReapplyWindowTexts() {
    static const QByteArray kSignature = QMetaObject::normalizedSignature("ApplyTexts()");
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->property(kKeyProperty).isValid()) SetBoundText(widget, texts_);
        for (QAction* action : widget->actions()) {
            if (action->property(kKeyProperty).isValid()) SetBoundText(action, texts_);
        }
        // The windows that set their captions in ApplyTexts().
        if (ApplyTextsOf<TMainForm, TVarForm, TFuncForm, TLogForm, TStatForm, TGrForm, TConvForm,
                         TGemForm, TExprForm, TFindForm, TEdForm, THelpForm, TDispForm>(widget))
            continue;
        const QMetaObject* meta = widget->metaObject();
        const int index = meta->indexOfMethod(kSignature.constData());
        if (index >= 0) meta->method(index).invoke(widget, Qt::DirectConnection);
    }
}

TLanguageHub& LanguageOf(TMainForm& form) {
    if (auto* hub = form.findChild<TLanguageHub*>(QString(), Qt::FindDirectChildrenOnly)) return *hub;
    return *new TLanguageHub(form.Texts(), LanguageFolders::OfProcess(), &form);
}

void InstallLanguage(TMainForm& form) {
    LanguageOf(form);
    if (QAction* tip = form.Action("NapovedaTipItem")) {
        QObject::disconnect(tip, &QAction::triggered, nullptr, nullptr);
        QObject::connect(tip, &QAction::triggered, &form, [&form] { ShowTips(form); });
    }
}

bool ApplyLanguageReporting(TMainForm& form, const QString& name) {
    const LanguageApplyResult result = LanguageOf(form).ApplyLanguage(name);
    if (result.Ok) return true;
    std::string problems;
    for (const std::string& problem : result.Problems) problems += "\n" + problem;
    const std::string text =
        FormatMessageText(CatalogString(form.Texts(), kLanguageFileRefused), {problems});
    form.Dialogs().ShowMessage(PrepareMessageBox(text, MessageKind::Warning, kOkButton, 0,
                                                 form.Model().Texts()));
    return false;
}

void ApplyStartLanguage(TMainForm& form) {
    TLanguageHub& language = LanguageOf(form);
    ApplyLanguageReporting(
        form,
        language.StartLanguage(ToQ(form.Session().Values().String("Localization", "Language"))));
}

void ShowTips(TMainForm& form) {
    ShowTipsForm(&form, form.Texts(), LanguageOf(form), form.Session().Values());
}

void ShowStartTips(TMainForm& form) {
    if (form.Session().Values().Bool("Help", "TipsOfTheDay")) ShowTips(form);
}

}  // namespace tarvix
