// TMemForm: the modal matrix memory dialog "Matice". It lists the entries of
// the program-wide MatrixMemory (number, type, note), shows the next number
// and the type of the result to be stored, adds an entry for a typed note,
// removes one or all, and shows a preview of up to 10 × 10 elements as the
// hint of the number field when an entry is clicked. OK returns the chosen
// entry, Storno none.
#pragma once

#include <QDialog>
#include <array>

#include "calculator/format_options.h"
#include "matrix/matrix_memory.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarvix {

class TextCatalog;

class TMemForm : public QDialog {
    Q_OBJECT

public:
    // rows × cols: the type an added entry gets (the expected result size).
    TMemForm(MatrixMemory& memory, TextCatalog& texts, const FormatOptions& format, int rows,
             int cols, QWidget* parent = nullptr);

    QListWidget* TabList() const { return list_; }
    QLineEdit* CisloEdit() const { return numberEdit_; }
    QLineEdit* RozmerEdit() const { return typeEdit_; }
    QLineEdit* PoznamkaEdit() const { return noteEdit_; }
    QPushButton* PridatButton() const { return addButton_; }
    QPushButton* OdstranitButton() const { return removeButton_; }
    QPushButton* OdstranitVseButton() const { return clearButton_; }

    // Shows the dialog; the selected entry's index after OK, −1 otherwise.
    int Choose();
    // The selected entry, −1 when none.
    int SelectedIndex() const;

    void AddClick();
    void RemoveClick();
    void RemoveAllClick();
    // Sets the title, captions and hints again from the text catalog (also
    // on a language change).
    Q_INVOKABLE void ApplyTexts();

private:
    QString Text(std::string_view key, std::string_view builtIn) const;
    void Reload(int select);
    void SelectionChanged();

    MatrixMemory& memory_;
    TextCatalog& texts_;
    FormatOptions format_;
    int rows_;
    int cols_;
    QListWidget* list_ = nullptr;
    QLineEdit* numberEdit_ = nullptr;
    QLineEdit* typeEdit_ = nullptr;
    QLineEdit* noteEdit_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    // Number, type and note captions; add, remove, remove all, OK, Storno.
    std::array<QLabel*, 3> labels_{};
    std::array<QPushButton*, 5> buttons_{};
};

}  // namespace tarvix
