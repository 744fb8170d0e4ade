// The parameter dialog's widgets, their texts from the catalog (section
// "ParamDlg") and the overwrite question on OK.
#include "ui/chart/param_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <optional>

#include "ui/help/help_request.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

constexpr std::string_view kSection = "ParamDlg";

QLineEdit* NewEdit(QWidget* parent, const char* name, const std::string& text) {
    auto* edit = new QLineEdit(ToQ(text), parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QComboBox* NewCombo(QWidget* parent, const char* name, bool editable) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(editable);
    return combo;
}

}  // namespace

QString TParamDlg::Text(std::string_view key, std::string_view builtIn) {
    return ToQ(texts_.Text(kSection, key, builtIn));
}

TParamDlg::TParamDlg(const ParamDlgState& state, std::string_view xName, std::string_view yName,
                     TextCatalog& texts, std::function<int(const std::string&)> confirmOverwrite,
                     std::function<std::optional<std::string>(const std::string&)> browse,
                     QWidget* parent)
    : QDialog(parent),
      texts_(texts),
      confirmOverwrite_(std::move(confirmOverwrite)),
      browse_(std::move(browse)),
      settings_(state.Settings) {
    setObjectName(QStringLiteral("TParamDlg"));
    setWindowTitle(Text("Caption", "Parametry datové řady"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    // The parametric pair.
    ParametrickeCheckBox = new QCheckBox(Text("Parametric", "&Parametrické rovnice "), this);
    ParametrickeCheckBox->setObjectName(QStringLiteral("ParametrickeCheckBox"));
    ParametrickeCheckBox->setChecked(state.Parametric);
    layout->addWidget(ParametrickeCheckBox);
    OsyGroupBox = new QGroupBox(this);
    OsyGroupBox->setObjectName(QStringLiteral("OsyGroupBox"));
    auto* axes = new QFormLayout(OsyGroupBox);
    OsaXComboBox = NewCombo(OsyGroupBox, "OsaXComboBox", true);
    OsaXComboBox->setEditText(ToQ(state.OsaX));
    OsaYComboBox = NewCombo(OsyGroupBox, "OsaYComboBox", true);
    OsaYComboBox->setEditText(ToQ(state.OsaY));
    axes->addRow(Text("HorizontalAxis", "Hori&z. osa:"), OsaXComboBox);
    axes->addRow(Text("VerticalAxis", "&Vert. osa:"), OsaYComboBox);
    layout->addWidget(OsyGroupBox);

    // The X and Y ranges.
    const QString variable = Text("Variable", "Proměnná");
    auto* ranges = new QHBoxLayout;
    auto rangeGroup = [&](const char* name, std::string_view varName, QLineEdit*& low,
                          QLineEdit*& high, QLineEdit*& step, const std::string& lowText,
                          const std::string& highText, const std::string& stepText,
                          std::array<std::pair<std::string_view, std::string_view>, 3> captions) {
        auto* group = new QGroupBox(variable + " : " + ToQ(varName) + " ", this);
        group->setObjectName(QString::fromLatin1(name));
        auto* form = new QFormLayout(group);
        low = NewEdit(group, (std::string(name) + "Low").c_str(), lowText);
        high = NewEdit(group, (std::string(name) + "High").c_str(), highText);
        step = NewEdit(group, (std::string(name) + "Step").c_str(), stepText);
        form->addRow(Text(captions[0].first, captions[0].second), low);
        form->addRow(Text(captions[1].first, captions[1].second), high);
        form->addRow(Text(captions[2].first, captions[2].second), step);
        ranges->addWidget(group);
    };
    rangeGroup("XGroupBox", xName, XLow, XHigh, XStep, state.XLow, state.XHigh, state.XStep,
               {{{"XLow", "&Dolní mez:"}, {"XHigh", "&Horní mez:"}, {"XStep", "&Krok:"}}});
    rangeGroup("YGroupBox", yName, YLow, YHigh, YStep, state.YLow, state.YHigh, state.YStep,
               {{{"YLow", "Do&lní mez:"}, {"YHigh", "Horní m&ez:"}, {"YStep", "K&rok:"}}});
    layout->addLayout(ranges);

    // The series file.
    VytvoritSouborCheckBox = new QCheckBox(Text("CreateFile", "Vytvořit &soubor"), this);
    VytvoritSouborCheckBox->setObjectName(QStringLiteral("VytvoritSouborCheckBox"));
    VytvoritSouborCheckBox->setChecked(state.Settings.CreateFile);
    layout->addWidget(VytvoritSouborCheckBox);
    SouborGroupBox = new QGroupBox(this);
    SouborGroupBox->setObjectName(QStringLiteral("SouborGroupBox"));
    auto* file = new QVBoxLayout(SouborGroupBox);
    auto* fileRow = new QHBoxLayout;
    SouborFxiComboBox = NewCombo(SouborGroupBox, "SouborFxiComboBox", true);
    SouborFxiComboBox->setEditText(ToQ(state.FileName));
    SouborFxiComboBox->setMinimumContentsLength(30);
    auto* browseButton = new QPushButton(Text("Browse", "Procházet"), SouborGroupBox);
    browseButton->setObjectName(QStringLiteral("ProchazetButton"));
    fileRow->addWidget(SouborFxiComboBox, 1);
    fileRow->addWidget(browseButton);
    file->addLayout(fileRow);
    CislovaniCheckBox = new QCheckBox(Text("Numbering", "Prů&běžné číslování"), SouborGroupBox);
    CislovaniCheckBox->setObjectName(QStringLiteral("CislovaniCheckBox"));
    CislovaniCheckBox->setChecked(state.Settings.Numbering);
    NezavisleCheckBox = new QCheckBox(Text("Ordinate", "&Nezávisle proměnná"), SouborGroupBox);
    NezavisleCheckBox->setObjectName(QStringLiteral("NezavisleCheckBox"));
    NezavisleCheckBox->setChecked(state.Settings.Ordinate);
    auto* checks = new QHBoxLayout;
    checks->addWidget(CislovaniCheckBox);
    checks->addWidget(NezavisleCheckBox);
    file->addLayout(checks);
    auto* form = new QFormLayout;
    OddSloupcuComboBox = NewCombo(SouborGroupBox, "OddSloupcuComboBox", false);
    OddSloupcuComboBox->addItems({Text("Blank", "Mezera"), Text("Semicolon", "Středník"),
                                  Text("Comma", "Čárka"), Text("Tab", "Tabulátor")});
    OddSloupcuComboBox->setCurrentIndex(state.Settings.ColumnSeparator);
    form->addRow(Text("ColumnSeparator", "&Oddělovač:"), OddSloupcuComboBox);
    auto* maskRow = new QHBoxLayout;
    MaskaEdit = NewEdit(SouborGroupBox, "MaskaEdit", state.Settings.FormatFloatMask);
    auto* implicit = new QPushButton(Text("DefaultMask", "&Impl."), SouborGroupBox);
    implicit->setObjectName(QStringLiteral("ImplButton"));
    maskRow->addWidget(MaskaEdit, 1);
    maskRow->addWidget(implicit);
    // A row of a layout gets no buddy from the form: the label is made here.
    auto* maskLabel = new QLabel(Text("Mask", "&Maska:"), SouborGroupBox);
    maskLabel->setBuddy(MaskaEdit);
    form->addRow(maskLabel, maskRow);
    OddDesetinnyComboBox = NewCombo(SouborGroupBox, "OddDesetinnyComboBox", false);
    OddDesetinnyComboBox->addItems({Text("DecimalPoint", "Desetinná tečka"),
                                    Text("DecimalComma", "Desetinná čárka"),
                                    Text("SystemSeparator", "Dle systému Win")});
    OddDesetinnyComboBox->setCurrentIndex(state.Settings.DecimalSeparator);
    form->addRow(Text("DecimalSeparator", "Oddělov&ač:"), OddDesetinnyComboBox);
    file->addLayout(form);
    layout->addWidget(SouborGroupBox);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(Text("Ok", "OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    buttons->addButton(Text("Cancel", "Storno"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addButton(Text("Help", "Nápověda"), QDialogButtonBox::HelpRole)
        ->setObjectName(QStringLiteral("HelpBtn"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TParamDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TParamDlg::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { RequestHelp(this); });

    connect(ParametrickeCheckBox, &QCheckBox::toggled, this, [this] { RefreshGroups(); });
    connect(VytvoritSouborCheckBox, &QCheckBox::toggled, this, [this] { RefreshGroups(); });
    connect(implicit, &QPushButton::clicked, this,
            [this] { MaskaEdit->setText(ToQ(settings_.DefaultFloatMask)); });
    connect(browseButton, &QPushButton::clicked, this, [this] {
        if (!browse_) return;
        if (std::optional<std::string> chosen = browse_(ToStd(SouborFxiComboBox->currentText())))
            SouborFxiComboBox->setEditText(ToQ(*chosen));
    });
    connect(OddDesetinnyComboBox, &QComboBox::activated, this, [this](int index) {
        if (separatorChanged_) separatorChanged_(index);
    });
    RefreshGroups();
    if (state.Parametric)
        OsaXComboBox->setFocus();
    else
        XLow->setFocus();
}

void TParamDlg::SetHistories(const ParamDlgHistories& histories) {
    auto fill = [](QComboBox* box, const std::vector<std::string>& list) {
        const QString text = box->currentText();
        box->clear();
        for (const std::string& entry : list) box->addItem(ToQ(entry));
        box->setEditText(text);
    };
    fill(OsaXComboBox, histories.OsaX);
    fill(OsaYComboBox, histories.OsaY);
    fill(SouborFxiComboBox, histories.File);
}

void TParamDlg::RefreshGroups() {
    // A disabled group shows its boxes in the button face colour.
    OsyGroupBox->setEnabled(ParametrickeCheckBox->isChecked());
    SouborGroupBox->setEnabled(VytvoritSouborCheckBox->isChecked());
}

QWidget* TParamDlg::Part(const char* name) const {
    return findChild<QWidget*>(QString::fromLatin1(name));
}

ParamDlgState TParamDlg::State() const {
    ParamDlgState s;
    s.Parametric = ParametrickeCheckBox->isChecked();
    s.OsaX = ToStd(OsaXComboBox->currentText());
    s.OsaY = ToStd(OsaYComboBox->currentText());
    s.XLow = ToStd(XLow->text());
    s.XHigh = ToStd(XHigh->text());
    s.XStep = ToStd(XStep->text());
    s.YLow = ToStd(YLow->text());
    s.YHigh = ToStd(YHigh->text());
    s.YStep = ToStd(YStep->text());
    s.FileName = ToStd(SouborFxiComboBox->currentText());
    s.Settings = settings_;
    s.Settings.CreateFile = VytvoritSouborCheckBox->isChecked();
    s.Settings.Numbering = CislovaniCheckBox->isChecked();
    s.Settings.Ordinate = NezavisleCheckBox->isChecked();
    s.Settings.ColumnSeparator = OddSloupcuComboBox->currentIndex();
    s.Settings.FormatFloatMask = ToStd(MaskaEdit->text());
    s.Settings.DecimalSeparator = OddDesetinnyComboBox->currentIndex();
    return s;
}

void TParamDlg::accept() {
    const ParamDlgState s = State();
    if (ParamDlgAsksOverwrite(s) && confirmOverwrite_) {
        const int answer = confirmOverwrite_(s.FileName);
        if (answer == kNo) SouborFxiComboBox->setFocus();
        if (answer != kYes) return;
    }
    QDialog::accept();
}

}  // namespace tarvix
