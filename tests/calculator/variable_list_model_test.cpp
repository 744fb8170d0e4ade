// The variable list window's table model: refresh, apply, remove and close.
#include "calculator/variable_list_model.h"

#include <gtest/gtest.h>

#include "calculator_test_support.h"

namespace tarvix {
namespace {

using testing::CalculatorTest;
using Col = VariableColumn;

class VariableListTest : public CalculatorTest {
protected:
    // The row of a name, or -1.
    int RowOf(std::string_view name) const {
        for (int i = 0; i < list.RowCount(); ++i) {
            if (list.Row(i).Name == name) return i;
        }
        return -1;
    }
    VariableListModel list;
};

TEST_F(VariableListTest, RefreshListsEveryVariableButAns) {
    Shown("delka=2,5");
    calc.VarInfos().Set("delka", "strana [m]");
    list.Refresh(calc);
    EXPECT_EQ(list.RowCount(), 9);  // A … F, X, Y and delka
    EXPECT_EQ(RowOf("Ans"), -1);
    const VariableRow& row = list.Row(RowOf("delka"));
    EXPECT_EQ(row.Value, "2.5");
    EXPECT_EQ(row.Unit, "m");
    EXPECT_EQ(row.Description, "strana");
    EXPECT_EQ(list.CurrentColumn(), Col::Value);
    EXPECT_FALSE(list.Modified());

    // The current row stays within the rows.
    list.SetCurrentRow(100);
    EXPECT_EQ(list.CurrentRow(), 8);
    calc.Parser1().DeleteVariable("delka");
    list.Refresh(calc);
    EXPECT_EQ(list.RowCount(), 8);
    EXPECT_EQ(list.CurrentRow(), 7);

    // In another base the value column shows the display text.
    calc.SetNumericalBase(nbHex);
    Shown("A=0FFh");
    list.Refresh(calc);
    EXPECT_EQ(list.Cell(RowOf("A"), Col::Value), "0FFh");
}

TEST_F(VariableListTest, ApplySetsEditedRowsAndTheirRegisterBoxes) {
    Shown("u=1");
    list.Refresh(calc);
    list.SetCell(RowOf("u"), Col::Value, "2*3");
    list.SetCell(RowOf("u"), Col::Unit, "m");
    list.SetCell(RowOf("A"), Col::Value, "");
    list.SetCell(RowOf("A"), Col::Description, "plocha");
    ASSERT_TRUE(list.Modified());
    EXPECT_TRUE(list.Apply(calc));
    EXPECT_FALSE(list.Modified());
    EXPECT_EQ(calc.Parser1().GetVariable("u").Re, 6.0L);
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Box, "0");
    EXPECT_EQ(calc.VarInfos().Lines(), (std::vector<std::string>{"A=plocha []", "u= [m]"}));
    // Rows that were not edited have no VarInfos line.
    EXPECT_EQ(calc.VarInfos().Value("B"), std::nullopt);

    list.SetCell(RowOf("B"), Col::Value, "7");
    list.Apply(calc);
    EXPECT_EQ(calc.RegisterAt(BoxId::B).Box, "7");
    EXPECT_EQ(calc.Parser1().GetVariable("B").Re, 7.0L);
}

TEST_F(VariableListTest, FailingRowStopsTheApplyWithItsMessage) {
    list.Refresh(calc);
    const int a = RowOf("A"), b = RowOf("B"), x = RowOf("X");
    list.SetCell(a, Col::Value, "4");
    list.SetCell(b, Col::Value, "2+");
    list.SetCell(x, Col::Value, "9");
    EXPECT_FALSE(list.Apply(calc));
    EXPECT_EQ(dialogs.OnlyMessage(), "Syntaktická chyba ve výrazu");
    EXPECT_EQ(list.CurrentRow(), b);
    EXPECT_TRUE(list.Modified());
    EXPECT_EQ(calc.Parser1().GetVariable("A").Re, 4.0L);  // the rows above are applied
    EXPECT_EQ(calc.Parser1().GetVariable("X").Re, 0.0L);  // the rows below are untouched
    EXPECT_EQ(calc.RegisterAt(BoxId::X).Box, "0");
    EXPECT_EQ(list.Cell(x, Col::Value), "9");

    list.SetCell(b, Col::Value, "2+1");
    EXPECT_TRUE(list.Apply(calc));
    EXPECT_EQ(calc.Parser1().GetVariable("X").Re, 9.0L);
}

TEST_F(VariableListTest, RemoveDeletesTheVariableAndItsDescription) {
    Shown("u=1");
    Shown("w=2");
    calc.VarInfos().Set("u", "první [s]");
    list.Refresh(calc);
    const int rows = list.RowCount();
    const int u = RowOf("u");
    list.RemoveRow(u, calc);
    EXPECT_FALSE(calc.Parser1().VariableExists("u"));
    EXPECT_EQ(calc.VarInfos().Value("u"), std::nullopt);
    EXPECT_EQ(hooks.RemovedVectors, (std::vector<std::string>{"u"}));
    EXPECT_EQ(list.RowCount(), rows - 1);
    EXPECT_EQ(list.Row(u).Name, "w");
}

TEST_F(VariableListTest, RemovingARegisterVariableGivesTheLetterBack) {
    Run("@a=r");
    Shown("r=5");
    list.Refresh(calc);
    list.RemoveRow(RowOf("r"), calc);
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Label, "A");
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Box, "0");
    EXPECT_FALSE(calc.Parser1().VariableExists("r"));
    EXPECT_TRUE(calc.Parser1().VariableExists("A"));
    EXPECT_EQ(RowOf("r"), -1);
    EXPECT_NE(RowOf("A"), -1);
}

TEST_F(VariableListTest, OneRowAlwaysStays) {
    calc.Parser1().ClearVariables();
    list.Refresh(calc);
    EXPECT_EQ(list.RowCount(), 1);
    list.RemoveRow(0, calc);
    EXPECT_EQ(list.RowCount(), 1);
}

TEST_F(VariableListTest, ClosingWithEditsAsks) {
    list.Refresh(calc);
    EXPECT_TRUE(list.ConfirmClose(calc));
    EXPECT_TRUE(dialogs.Messages.empty());

    list.SetCell(RowOf("C"), Col::Value, "3");
    dialogs.Answers = {ModalResult::Cancel, ModalResult::No};
    EXPECT_FALSE(list.ConfirmClose(calc));
    EXPECT_EQ(dialogs.Messages[0].Text, "Mají se hodnoty proměnných aktualizovat?");
    EXPECT_TRUE(list.ConfirmClose(calc));
    EXPECT_EQ(calc.Parser1().GetVariable("C").Re, 0.0L);

    dialogs.Answers = {ModalResult::Yes};
    EXPECT_TRUE(list.ConfirmClose(calc));
    EXPECT_EQ(calc.Parser1().GetVariable("C").Re, 3.0L);
}

}  // namespace
}  // namespace tarvix
