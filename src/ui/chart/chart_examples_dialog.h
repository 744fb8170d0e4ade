// The example dialogs of the "&Graf" menu: TGrafForm ("Křivky dané
// parametrickými rovnicemi") and TGraf1Form (Cartesian curves or series
// expansions). Each lists its examples, shows the equations of the selected
// one and remembers the choice for the program run.
#pragma once

#include <QDialog>

#include "series/chart_examples.h"

class QLabel;
class QListWidget;

namespace tarvix {

class TextCatalog;

class TChartExamplesDialog : public QDialog {
    Q_OBJECT

public:
    // `choice` is read when the dialog opens and updated on every click.
    TChartExamplesDialog(ExampleList list, ExampleChoice& choice, TextCatalog& texts,
                         QWidget* parent);

    ExampleList List() const { return list_; }
    QListWidget* KrivkaListBox() const { return listBox_; }
    QLabel* XEquationLabel() const { return xEquation_; }
    QLabel* YEquationLabel() const { return yEquation_; }
    // The selected example and its (possibly translated) name.
    const TKrivka& Selected() const;
    QString SelectedName() const;
    // The name of example i in the current language.
    static QString ExampleName(TextCatalog& texts, ExampleList list, int index);

private:
    void ShowEquations(int index);

    ExampleList list_;
    ExampleChoice& choice_;
    TextCatalog& texts_;
    QListWidget* listBox_ = nullptr;
    QLabel* xEquation_ = nullptr;
    QLabel* yEquation_ = nullptr;
};

}  // namespace tarvix
