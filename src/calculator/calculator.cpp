// The calculator model: ports, options and modes, the input line, the display
// and its hints, the message box and the d:m:s conversion.
#include "calculator/calculator.h"

#include <algorithm>

#include "calculator/dms.h"
#include "calculator/eng_postfix.h"
#include "calculator/expression_probe.h"
#include "calculator/float_mask.h"
#include "calculator/history_list.h"
#include "calculator/text_trim.h"
#include "calculator/value_format.h"
#include "engine/engine_modes.h"
#include "engine/number_literal.h"
#include "engine/parser_errors.h"

namespace tarvix {
namespace {

constexpr int kDmsHelpContext = 13;

// Answers without a window: the most cautious button of the set, no text.
class InertDialogs : public DialogsPort {
public:
    ModalResult ShowMessage(const MessageBoxRequest& request) override {
        if (request.Buttons.Has(MessageButton::Cancel)) return ModalResult::Cancel;
        if (request.Buttons.Has(MessageButton::No)) return ModalResult::No;
        return ModalResult::Ok;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }
};

// A clipboard of the model's own.
class InertClipboard : public ClipboardPort {
public:
    void SetText(std::string_view text) override { text_ = text; }
    std::string Text() const override { return text_; }

private:
    std::string text_;
};

}  // namespace

Calculator::Calculator()
    : inertDialogs_(std::make_unique<InertDialogs>()),
      inertClipboard_(std::make_unique<InertClipboard>()),
      dialogs_(inertDialogs_.get()),
      clipboard_(inertClipboard_.get()),
      view_(&inertView_),
      hooks_(&inertHooks_) {
    SyncEvaluatorModes();
    parser_.SetAutoRegisterVar(options_.AutoRegister);
    parser_.SetVariable("Ans", {});
}

Calculator::~Calculator() = default;

void Calculator::SetDialogs(DialogsPort* dialogs) {
    dialogs_ = dialogs ? dialogs : inertDialogs_.get();
}
void Calculator::SetClipboard(ClipboardPort* clipboard) {
    clipboard_ = clipboard ? clipboard : inertClipboard_.get();
}
void Calculator::SetView(CalculatorView* view) {
    view_ = view ? view : &inertView_;
}
void Calculator::SetHooks(CalculatorHooks* hooks) {
    hooks_ = hooks ? hooks : &inertHooks_;
}

void Calculator::SetOptions(const CalculatorOptions& options) {
    options_ = options;
    parser_.SetAutoRegisterVar(options.AutoRegister);
}

void Calculator::SyncEvaluatorModes() {
    if (parser_.AngleUnits() != switches_.AngleUnits) parser_.SetAngleUnits(switches_.AngleUnits);
    if (parser_.NumericalScope() != switches_.Scope) parser_.SetNumericalScope(switches_.Scope);
    parser_.SetNumericalBase(switches_.Display.Base);
    // The process-wide block follows the main evaluator even when another
    // evaluator changed it meanwhile.
    EngineModes.ComplexMode = switches_.Scope == nsComplex;
    EngineModes.CurrentAngleUnit = switches_.AngleUnits;
}

void Calculator::ApplyWithoutFollowUp(SwitchChanges changes) {
    changes.FollowUp = SwitchFollowUp::None;
    ApplySwitchChanges(changes);
}

void Calculator::SetAngleUnits(TAngleUnits units) {
    ApplyWithoutFollowUp(SelectAngleUnits(switches_, units, SwitchSource::MenuItem));
}

void Calculator::SetNumericalBase(TNumericalBase base) {
    ApplyWithoutFollowUp(SelectBase(switches_, base, SwitchSource::MenuItem));
}

void Calculator::SetNumericalScope(TNumericalScope scope) {
    ApplyWithoutFollowUp(SelectDomain(switches_, scope, SwitchSource::MenuItem));
}

void Calculator::ApplySwitchChanges(const SwitchChanges& changes) {
    SyncEvaluatorModes();
    if (changes.AnsFactor && DisplayShowsValue()) {
        ComplexValue ans = Ans();
        ans.Re *= *changes.AnsFactor;
        ans.Im *= *changes.AnsFactor;
        parser_.SetVariable("ANS", ans);
        ShowDisplayText(FormatValue(ans), true);
        AddResultHint(displayText_);
    }
    if (changes.SelectEngPostfix && DisplayShowsValue()) {
        switches_.Display.PostfixPosition = tarvix::SelectEngPostfix(Ans(), switches_.Scope);
    }
    switch (changes.FollowUp) {
        case SwitchFollowUp::None:
            break;
        case SwitchFollowUp::Recalculate:
            Calculate();
            break;
        case SwitchFollowUp::ShowAns:
            ShowDisplayText(FormatValue(Ans()), true);
            break;
        case SwitchFollowUp::RedisplayAns:
            RedisplayAns();
            break;
    }
    if (changes.AnyChange()) hooks_->RefreshVariableList();
}

char Calculator::ImaginaryUnit() const {
    return EngineModes.ImaginaryUnitChar;
}

void Calculator::SetImaginaryUnit(char unit) {
    EngineModes.ImaginaryUnitChar = unit == 'j' ? 'j' : 'i';
}

FormatOptions Calculator::CurrentFormatOptions() const {
    FormatOptions options;
    options.Display = switches_.Display;
    options.DecimalSeparator = options_.DecimalSeparator;
    options.Scope = switches_.Scope;
    options.AngleUnits = switches_.AngleUnits;
    options.ImaginaryUnit = EngineModes.ImaginaryUnitChar;
    options.Texts = &texts_;
    return options;
}

std::string Calculator::FormatValue(const ComplexValue& value) const {
    return FormatValueText(value, CurrentFormatOptions());
}

std::string Calculator::ExpressionHint() const {
    return JoinLines(inputHistory_);
}

EditState Calculator::TypeIntoBox(BoxId box, const EditState& state, char typed) {
    EditContext context;
    context.Sequences = &sequences_;
    context.SpaceAsBrackets = options_.SpaceAsBrackets;
    EditState current = state;
    current.ResultShown = false;
    if (box == BoxId::Input) {
        context.Continuation = ContinuationText(displayText_, options_.UseNumberInsteadOfAns);
        current.ResultShown = resultShown_;
    }
    EditState next = TypeCharacter(current, typed, context);
    if (box == BoxId::Input) {
        input_ = next.Text;
        resultShown_ = false;
    } else {
        SetRegisterBox(box, next.Text);
    }
    return next;
}

std::string Calculator::DisplayHint() const {
    return JoinLines(recentResults_);
}

void Calculator::ShowDisplayText(std::string text, bool isValue) {
    displayText_ = std::move(text);
    displayIsValue_ = isValue;
}

bool Calculator::DisplayShowsValue() {
    return displayIsValue_ || IsValueText(displayText_);
}

void Calculator::RedisplayAns() {
    if (DisplayShowsValue()) ShowAnsAsResult();
}

void Calculator::ShowAnsAsResult() {
    ShowDisplayText(FormatValue(Ans()), true);
    AddResultHint(displayText_);
    hooks_->RefreshWorksheetValues();
}

void Calculator::AddResultHint(std::string_view text) {
    AddRecentResult(recentResults_, text, options_.RecentResultsLimit);
}

void Calculator::CopyDisplayToClipboard() {
    clipboard_->SetText(TrimBlanks(displayText_));
}

bool Calculator::ConvertDms() {
    std::string text(TrimBlanks(input_));
    std::ranges::replace(text, ',', '.');
    try {
        long double degrees = 0.0L;
        if (ReadDecimal(text, degrees)) {
            ShowDisplayText(DmsText(degrees, options_.DecimalSeparator) + " ", false);
        } else {
            long double value = ParseDms(text, texts_);
            ShowDisplayText(FormatFloat(value, FloatMask{}, options_.DecimalSeparator) + " ",
                            false);
        }
    } catch (const std::exception& e) {
        ReportError(e);
        return false;
    }
    AddResultHint(displayText_);
    AddToHistory(inputHistory_, input_, options_.InputHistoryLimit);
    view_->FocusBox(BoxId::Input, TextSelection::All());
    return true;
}

bool Calculator::IsValueText(std::string_view text) {
    SyncEvaluatorModes();
    return tarvix::IsValueText(text, parser_);
}

ModalResult Calculator::ShowMessageBox(std::string_view text, MessageKind kind,
                                       MessageButtons buttons, int helpContext) {
    return dialogs_->ShowMessage(PrepareMessageBox(text, kind, buttons, helpContext, texts_));
}

ModalResult Calculator::ShowText(std::string_view key, std::initializer_list<std::string_view> args,
                                 MessageKind kind, MessageButtons buttons, int helpContext) {
    return ShowMessageBox(FormatMessageText(texts_.Text(key), args), kind, buttons, helpContext);
}

void Calculator::ReportError(const std::exception& error) {
    const auto* tarvixError = dynamic_cast<const TarvixError*>(&error);
    const int help = tarvixError ? tarvixError->HelpContext() : 0;
    ShowMessageBox(error.what(), MessageKind::Error, help > 0 ? kCancelHelpButtons : kCancelButton,
                   help);
}

}  // namespace tarvix
