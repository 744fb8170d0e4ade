// TParamDlg, "Parametry datové řady": the modal dialog that prepares a series
// run (the X and Y ranges, the parametric pair, the series file and its
// layout). Its logic is ParamDlgState (series/param_dialog_model.h); this
// class shows the state in widgets and reads it back.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "series/param_dialog_model.h"
#include "storage/text_catalog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace tarvix {

class TParamDlg : public QDialog {
    Q_OBJECT

public:
    // `confirmOverwrite` asks whether the existing file may be overwritten
    // (true: yes); `browse` offers a file name for "Procházet".
    TParamDlg(const ParamDlgState& state, std::string_view xName, std::string_view yName,
              TextCatalog& texts, std::function<int(const std::string& file)> confirmOverwrite,
              std::function<std::optional<std::string>(const std::string& file)> browse,
              QWidget* parent = nullptr);

    // The combo boxes' drop-down lists; their texts stay as they are.
    void SetHistories(const ParamDlgHistories& histories);
    // Called at once when the user chooses a decimal separator (its index).
    void SetDecimalSeparatorHandler(std::function<void(int)> handler) {
        separatorChanged_ = std::move(handler);
    }

    // The state the widgets show now.
    ParamDlgState State() const;
    // A child widget by its component name (for the tests).
    QWidget* Part(const char* name) const;

    // The answers of the overwrite question.
    static constexpr int kYes = 0, kNo = 1, kCancel = 2;

    // OK: asks first when the series file exists; stays open on No or Cancel.
    void accept() override;

private:
    void RefreshGroups();
    QString Text(std::string_view key, std::string_view builtIn);

    TextCatalog& texts_;
    std::function<int(const std::string&)> confirmOverwrite_;
    std::function<std::optional<std::string>(const std::string&)> browse_;
    std::function<void(int)> separatorChanged_;
    DataSeriesSettings settings_;  // DefaultFloatMask and anything not shown

    QCheckBox* ParametrickeCheckBox = nullptr;
    QGroupBox* OsyGroupBox = nullptr;
    QComboBox* OsaXComboBox = nullptr;
    QComboBox* OsaYComboBox = nullptr;
    QLineEdit* XLow = nullptr;
    QLineEdit* XHigh = nullptr;
    QLineEdit* XStep = nullptr;
    QLineEdit* YLow = nullptr;
    QLineEdit* YHigh = nullptr;
    QLineEdit* YStep = nullptr;
    QCheckBox* VytvoritSouborCheckBox = nullptr;
    QGroupBox* SouborGroupBox = nullptr;
    QComboBox* SouborFxiComboBox = nullptr;
    QCheckBox* CislovaniCheckBox = nullptr;
    QCheckBox* NezavisleCheckBox = nullptr;
    QComboBox* OddSloupcuComboBox = nullptr;
    QLineEdit* MaskaEdit = nullptr;
    QComboBox* OddDesetinnyComboBox = nullptr;
};

}  // namespace tarvix
