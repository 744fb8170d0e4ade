// TStatSForm: the modal dialog "Výběr položek pro uložení do souboru" that
// chooses the items of a statistics report: the comment memo KomentarMemo
// and the two-column check list CheckListBox of the fifteen items. OK
// stores the checks and the comment; Storno leaves both as they were.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "analysis/stat_report.h"

class QListWidget;
class QPlainTextEdit;

namespace tarvix {

class TextCatalog;

class TStatSForm : public QDialog {
    Q_OBJECT

public:
    // `itemTexts` are the fifteen list texts in order.
    TStatSForm(ReportSelection& selection, std::string& comment,
               const std::array<std::string, kReportItems>& itemTexts, TextCatalog& texts,
               const QString& caption, QWidget* parent);

    QPlainTextEdit* KomentarMemo() const { return memo_; }
    QListWidget* CheckListBox() const { return list_; }

    void OkClick();

private:
    ReportSelection& selection_;
    std::string& comment_;
    QPlainTextEdit* memo_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace tarvix
