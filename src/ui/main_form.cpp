// The main window: the typed expression is evaluated and shown on the display;
// an engine error is shown in a message box and the display keeps its value.
#include "ui/main_form.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/number_text.h"

namespace tarvix {
namespace {

// The input line as the engine reads it: decimal comma, ";" between arguments,
// blanks ignored.
std::string PrepareInput(const QString& text) {
    std::string out;
    for (char c : text.toStdString()) {
        if (c == ',') c = '.';
        else if (c == ';') c = ',';
        if (c != ' ') out += c;
    }
    return out;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Tarvix 2.2"));
    setObjectName(QStringLiteral("TMainForm"));
    parser1_.SetAngleUnits(auDeg);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    staticTextDisplay_ = new QLabel(QStringLiteral("0"), central);
    staticTextDisplay_->setObjectName(QStringLiteral("StaticTextDisplay"));
    staticTextDisplay_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    staticTextDisplay_->setFrameShape(QFrame::StyledPanel);
    staticTextDisplay_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont displayFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    displayFont.setPointSizeF(displayFont.pointSizeF() * 2.0);
    staticTextDisplay_->setFont(displayFont);
    staticTextDisplay_->setMinimumHeight(staticTextDisplay_->sizeHint().height() + 16);
    layout->addWidget(staticTextDisplay_);

    auto* row = new QHBoxLayout;
    exprComboBox_ = new QComboBox(central);
    exprComboBox_->setObjectName(QStringLiteral("ExprComboBox"));
    exprComboBox_->setEditable(true);
    exprComboBox_->setInsertPolicy(QComboBox::NoInsert);
    exprComboBox_->setMinimumWidth(320);
    row->addWidget(exprComboBox_, 1);
    vypocetButton_ = new QPushButton(QStringLiteral("="), central);
    vypocetButton_->setObjectName(QStringLiteral("VypocetButton"));
    vypocetButton_->setDefault(true);
    row->addWidget(vypocetButton_);
    layout->addLayout(row);
    setCentralWidget(central);

    connect(vypocetButton_, &QPushButton::clicked, this, &TMainForm::VypocetButtonClick);
    connect(exprComboBox_->lineEdit(), &QLineEdit::returnPressed, this,
            &TMainForm::VypocetButtonClick);
    reportError_ = [this](const QString& message) {
        QMessageBox::critical(this, QStringLiteral("Chyba"), message);
    };
    exprComboBox_->setFocus();
}

TMainForm::~TMainForm() = default;

void TMainForm::VypocetButtonClick() {
    const QString typed = exprComboBox_->currentText();
    const std::string text = PrepareInput(typed);
    if (text.empty()) return;
    try {
        parser1_.SetExpression(text);
        ComplexValue value = parser1_.Evaluate();
        const std::string shown = EngineModes.ComplexMode
                                      ? ComplexGeneralText(value, EngineModes.ImaginaryUnitChar)
                                      : GeneralText(value.Re);
        staticTextDisplay_->setText(QString::fromStdString(shown));
        if (exprComboBox_->findText(typed) < 0) exprComboBox_->insertItem(0, typed);
    } catch (const std::exception& e) {
        reportError_(QString::fromUtf8(e.what()));
    }
}

}  // namespace tarvix
