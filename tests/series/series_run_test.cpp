// Series runs through the calculation command: ranges, increments,
// two-dimensional, parametric and complex runs, the expansion, vector runs,
// stop, failures and the running state.
#include <gtest/gtest.h>

#include "series_test_support.h"

namespace tarvix::testing {
namespace {

using Values = std::vector<long double>;

TEST_F(SeriesTest, OneDimensionalRun) {
    Box(BoxId::X, "0..1:0.25");
    EXPECT_EQ(Run("X^2"), CalcOutcome::Stopped);
    const CurrentSeries& s = series.Series();
    EXPECT_EQ(s.X, (Values{0.0L, 0.25L, 0.5L, 0.75L, 1.0L}));
    EXPECT_EQ(s.Y, (Values{0.0L, 0.0625L, 0.25L, 0.5625L, 1.0L}));
    EXPECT_EQ(s.ValidPoints, 5u);
    EXPECT_EQ(s.Rows, 1u);
    EXPECT_EQ(s.Columns, 5u);
    EXPECT_EQ(s.Step.Re, 0.25L);
    EXPECT_FALSE(s.TwoDim);
    EXPECT_EQ(calc.DisplayText(), "5 hodnot 100% ");
    EXPECT_EQ(calc.Ans().Re, 1.0L);
    EXPECT_EQ(series.LastRun(), RunEnd::Completed);
    EXPECT_EQ(control.Begun, 1);
    EXPECT_EQ(control.Ended, 1);
    EXPECT_EQ(control.Progress.back(), "100% ");
    ASSERT_EQ(chart.MainCharts.size(), 1u);
    EXPECT_TRUE(calc.Parser1().Expression().empty());
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(SeriesTest, ResultWordsFollowTheCount) {
    const std::pair<std::string_view, std::string_view> cases[] = {{"1..1:1", "1 hodnota 100% "},
                                                                   {"1..2:1", "2 hodnoty 100% "},
                                                                   {"1..4:1", "4 hodnoty 100% "},
                                                                   {"1..5:1", "5 hodnot 100% "}};
    for (auto [range, shown] : cases) {
        Box(BoxId::X, range);
        Run("X");
        EXPECT_EQ(calc.DisplayText(), shown) << range;
    }
}

TEST_F(SeriesTest, ValueWithIncrementInY) {
    Box(BoxId::X, "1..3:1");
    Box(BoxId::Y, "10:2");
    Run("X*Y");
    EXPECT_EQ(series.Series().Y, (Values{10.0L, 24.0L, 42.0L}));
}

TEST_F(SeriesTest, IncrementByAnsAccumulates) {
    Box(BoxId::X, "1..4:1");
    Box(BoxId::A, "0:ANS");
    Run("X");
    EXPECT_EQ(calc.Parser1().GetVariable("A").Re, 10.0L);
}

TEST_F(SeriesTest, IncrementByVariableAndByValue) {
    Box(BoxId::X, "1..3:1");
    Box(BoxId::A, "1:B");
    Box(BoxId::B, "100:0,5");  // a decimal comma in the increment
    Run("A+B+X*0");
    // A: 1, 101, 201.5; B: 100, 100.5, 101.
    EXPECT_EQ(series.Series().Y, (Values{101.0L, 201.5L, 302.5L}));
    EXPECT_EQ(calc.Parser1().GetVariable("B_").Re, 0.5L);
}

TEST_F(SeriesTest, TwoDimensionalRun) {
    Box(BoxId::X, "1..3:1");
    Box(BoxId::Y, "0..10:10");
    Run("X+Y");
    const CurrentSeries& s = series.Series();
    EXPECT_TRUE(s.TwoDim);
    EXPECT_EQ(s.Rows, 2u);
    EXPECT_EQ(s.Columns, 3u);
    EXPECT_EQ(s.X, (Values{1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(s.Y, (Values{1, 2, 3, 11, 12, 13}));
    EXPECT_EQ(s.YStep.Re, 10.0L);
    EXPECT_EQ(calc.DisplayText(), "6 hodnot 100% ");
}

TEST_F(SeriesTest, ComplexRunFillsRows) {
    SetComplex();
    Box(BoxId::X, "0..2i:1i");
    Box(BoxId::Y, "0..1:1");
    Run("X+Y");
    const CurrentSeries& s = series.Series();
    ASSERT_EQ(s.Re.size(), 2u);
    EXPECT_EQ(s.Re[0], (Values{0, 0, 0}));
    EXPECT_EQ(s.Im[0], (Values{0, 1, 2}));
    EXPECT_EQ(s.Re[1], (Values{1, 1, 1}));
    EXPECT_EQ(s.Im[1], (Values{0, 1, 2}));
    EXPECT_TRUE(s.X.empty());
    EXPECT_EQ(s.ValidPoints, 6u);
}

TEST_F(SeriesTest, ComplexRangeSteppingBothPartsIsRefused) {
    SetComplex();
    Box(BoxId::X, "0..1+i:0.5+0.5i");
    EXPECT_EQ(Run("X"), CalcOutcome::Failed);
    EXPECT_EQ(dialogs.OnlyMessage(),
              "Iterovat lze pouze jednu složku komplexní proměnné \n0..1+i:0.5+0.5i");
    EXPECT_EQ(dialogs.Messages[0].HelpContext, kSeriesHelpContext);
    EXPECT_EQ(control.Begun, 0);
}

TEST_F(SeriesTest, ParametricRunHasTwoPasses) {
    Box(BoxId::X, "0..2:1");
    Run("X*2...y=X*X");
    const CurrentSeries& s = series.Series();
    EXPECT_TRUE(s.Parametric);
    EXPECT_EQ(s.Re[0], (Values{0, 2, 4}));  // x(t)
    EXPECT_EQ(s.Im[0], (Values{0, 1, 4}));  // y(t)
    EXPECT_EQ(s.Y, (Values{0, 1, 4}));
    EXPECT_EQ(series.FirstRange(), std::make_pair(0.0L, 4.0L));
    EXPECT_EQ(control.Progress.front(), "17% ");
    EXPECT_EQ(control.Progress.back(), "100% ");
    EXPECT_EQ(control.Begun, 2);
    EXPECT_EQ(calc.DisplayText(), "3 hodnoty 100% ");
    EXPECT_EQ(series.Pass(), 0);
}

TEST_F(SeriesTest, StoppingTheFirstParametricPassStopsTheSecond) {
    Box(BoxId::X, "1..100:1");
    control.OnProgress = [&](std::string_view text) {
        if (text == "20% ") series.RequestStop();
    };
    Run("X...X*X");
    EXPECT_EQ(control.Begun, 1);
    EXPECT_EQ(calc.DisplayText(), "STOP! ");
    EXPECT_EQ(series.LastRun(), RunEnd::Stopped);
}

TEST_F(SeriesTest, ParametricRunInComplexDomainIsRefused) {
    SetComplex();
    Box(BoxId::X, "0..2:1");
    EXPECT_EQ(Run("X...X*X"), CalcOutcome::Stopped);
    EXPECT_EQ(dialogs.OnlyMessage(), "Parametrické rovnice nelze počítat v komplexním oboru");
    EXPECT_EQ(control.Begun, 0);
}

TEST_F(SeriesTest, ExpansionSumsInACalculationAndInARun) {
    Box(BoxId::X, "2");
    EXPECT_EQ(Run("x^n:::n=0..3:1"), CalcOutcome::Evaluated);
    EXPECT_EQ(TrimBlanks(calc.DisplayText()), "15");
    Box(BoxId::X, "2..2:1");
    Run("x^n:::n=0..3:1");
    EXPECT_EQ(series.Series().Y, (Values{15.0L}));
    Box(BoxId::X, "1..2:1");
    Run("s=X-1+1/n:::n=4..1:-1");  // counting down; the name before "=" is dropped
    ASSERT_EQ(series.Series().Y.size(), 2u);
    EXPECT_NEAR(double(series.Series().Y[1]), 4 + 2.0833333333333333, 1e-15);
}

TEST_F(SeriesTest, ExpansionSyntaxMessages) {
    Box(BoxId::X, "2");
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"x^n:::n", "Není zadána řídící proměnná nekonečné řady"},
        {"x^n:::n=0", "Není zadán rozsah řídící proměnné nekonečné řady"},
        {"x^n:::n=0..3", "Není zadán krok řídící proměnné nekonečné řady"},
        {"x^n:::n=0..3:0.5", "Iterační krok je roven nule"},  // zero after truncation
        {"x^n:::n=0..3:-1", "Iterační krok má špatné znaménko"},
        {"x^n:::n=3..0:1", "Iterační krok má špatné znaménko"},
    };
    for (auto [input, message] : cases) {
        dialogs.Messages.clear();
        EXPECT_EQ(Run(input), CalcOutcome::Failed) << input;
        EXPECT_EQ(dialogs.OnlyMessage(), message) << input;
        EXPECT_EQ(dialogs.Messages.back().HelpContext, kSeriesHelpContext);
    }
    dialogs.Messages.clear();
    EXPECT_EQ(Run("x^n:::n=0..qq:1"), CalcOutcome::Failed);  // a bound that fails is an error
}

TEST_F(SeriesTest, MissingRangeMessage) {
    calc.SetRegisterLabel(BoxId::X, "t");
    Box(BoxId::X, "5");
    series.SetVarAsVector(true);
    series.Vectors().TransferName = "Q";
    series.Vectors().TransferVector = {{1.0L, 0.0L}};
    series.Vectors().StoreTransfer(true);
    calc.Parser1().SetVariable("Q", {});
    calc.SetInputText("t");
    calc.Parser1().SetExpression("t");
    EXPECT_EQ(series.RunSeries(false), RunEnd::NotRun);
    EXPECT_EQ(dialogs.OnlyMessage(),
              "Proměnná \"t\" neobsahuje rozsah a krok \nnapříklad 50..2500:10");
}

TEST_F(SeriesTest, VectorRunOverTheShortestVector) {
    series.SetVarAsVector(true);
    VarVectors& v = series.Vectors();
    v.TransferName = "A";
    v.TransferVector = {{1, 0}, {2, 0}, {3, 0}};
    v.StoreTransfer(true);
    v.TransferName = "B";
    v.TransferVector = {{10, 0}, {20, 0}};
    v.StoreTransfer(true);
    EXPECT_EQ(Run("C=A+B"), CalcOutcome::Stopped);
    EXPECT_EQ(series.Series().Y, (Values{11, 22}));
    EXPECT_EQ(series.Series().X, (Values{0, 1}));  // X runs over the indices
    ASSERT_EQ(v.FindVector("c").size(), 2u);
    EXPECT_EQ(v.FindVector("C")[1].Re, 22.0L);
    // Without an assignment nothing is stored, also not under the last name.
    Run("A*2");
    EXPECT_EQ(v.FindVector("C").size(), 2u);
    EXPECT_EQ(v.FindVector("A").size(), 3u);
    EXPECT_EQ(v.FindVector("B").size(), 2u);
}

TEST_F(SeriesTest, VectorElementsInTheComplexDomain) {
    SetComplex();
    series.SetVarAsVector(true);
    VarVectors& v = series.Vectors();
    v.TransferName = "A";
    v.TransferVector = {{1, 2}, {3, -4}};
    v.StoreTransfer(true);
    Run("B=A*i");
    ASSERT_EQ(v.FindVector("B").size(), 2u);
    EXPECT_EQ(v.FindVector("B")[0], (ComplexValue{-2.0L, 1.0L}));
    EXPECT_EQ(v.FindVector("B")[1], (ComplexValue{4.0L, 3.0L}));
}

TEST_F(SeriesTest, StopKeepsThePointsSoFar) {
    Box(BoxId::X, "1..1000:1");
    control.OnProgress = [&](std::string_view text) {
        if (text == "30% ") {
            EXPECT_TRUE(series.Running());
            series.RequestStop();
        }
    };
    Run("X");
    EXPECT_EQ(calc.DisplayText(), "STOP! ");
    EXPECT_EQ(series.LastRun(), RunEnd::Stopped);
    const std::size_t n = series.Series().ValidPoints;
    EXPECT_GE(n, 290u);  // 30 % shows from point 295 on
    EXPECT_LT(n, 310u);
    EXPECT_EQ(series.Series().Y.size(), n);
    EXPECT_EQ(series.Series().Y.back(), static_cast<long double>(n));
    EXPECT_FALSE(series.Running());
    EXPECT_EQ(control.Ended, 1);
    EXPECT_TRUE(chart.MainCharts.empty());
}

TEST_F(SeriesTest, CalculationDuringARunOnlyRequestsStop) {
    Box(BoxId::X, "1..100:1");
    int nested = 0;
    control.OnProgress = [&](std::string_view text) {
        if (text != "10% ") return;
        // The calculate button reads "Stop": a second run must not start.
        ++nested;
        EXPECT_EQ(series.RunSeries(false), RunEnd::NotRun);
    };
    Run("X");
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(control.Begun, 1);
    EXPECT_EQ(calc.DisplayText(), "STOP! ");
}

TEST_F(SeriesTest, EvaluationErrorKeepsPointsAndRestoresTheState) {
    Box(BoxId::X, "-3..3:1");
    EXPECT_EQ(Run("1/X"), CalcOutcome::Failed);
    EXPECT_EQ(series.Series().ValidPoints, 3u);
    EXPECT_EQ(series.Series().Y.size(), 3u);
    EXPECT_FALSE(series.Running());
    EXPECT_EQ(control.Ended, 1);
    EXPECT_EQ(dialogs.Messages.size(), 1u);
}

TEST_F(SeriesTest, LargeRunsAreConfirmed) {
    Box(BoxId::X, "1..100001:1");
    Run("X");
    EXPECT_TRUE(dialogs.Messages.empty());  // exactly 100001 points ask nothing
    EXPECT_EQ(series.Series().ValidPoints, 100001u);
    Box(BoxId::X, "1..100002:1");
    dialogs.Answers = {ModalResult::No};
    Run("X");
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_NE(dialogs.Messages[0].Text.find("100.000"), std::string::npos);
    EXPECT_EQ(series.Series().ValidPoints, 100001u);  // nothing changed
    EXPECT_EQ(control.Begun, 1);
    Box(BoxId::X, "1..1000002:1");
    dialogs.Answers = {ModalResult::Yes};
    Run("X");
    EXPECT_NE(dialogs.Messages.back().Text.find("1 milión"), std::string::npos);
    EXPECT_EQ(series.Series().ValidPoints, 1000002u);
}

TEST_F(SeriesTest, RepeatedRunsKeepOnlyTheirOwnPoints) {
    // Runs reuse the arrays of the run before: none of its values may show.
    Box(BoxId::X, "1..5:1");
    Run("X*10");
    Box(BoxId::X, "1..3:1");
    Run("X");
    EXPECT_EQ(series.Series().X, (Values{1, 2, 3}));
    EXPECT_EQ(series.Series().Y, (Values{1, 2, 3}));
    Box(BoxId::X, "-1..1:1");
    EXPECT_EQ(Run("1/(X-1)"), CalcOutcome::Failed);  // fails at the third point
    EXPECT_EQ(series.Series().ValidPoints, 2u);
    EXPECT_EQ(series.Series().X, (Values{-1, 0}));
    EXPECT_EQ(series.Series().Y.size(), 2u);
    SetComplex();
    Box(BoxId::X, "0..2:1");
    Run("X*i");
    EXPECT_TRUE(series.Series().X.empty());
    EXPECT_TRUE(series.Series().Y.empty());
    EXPECT_EQ(series.Series().Im[0], (Values{0, 1, 2}));
}

TEST_F(SeriesTest, RunThatCannotFitIsRefusedBeforeItStarts) {
    // A machine with 10 MB to spare: 1000 real points (32 bytes each) fit,
    // 1,000,000 (32 MB) do not, and are refused before the large-run question.
    std::uint64_t available = 10u << 20;
    series.SetMemoryProbe([&] { return std::optional<std::uint64_t>(available); });
    Box(BoxId::X, "1..1000:1");
    Run("X");
    EXPECT_EQ(series.Series().ValidPoints, 1000u);
    Box(BoxId::X, "1..1000000:1");
    dialogs.Answers = {ModalResult::Yes};  // to the large-run question, if it were asked
    Run("X");
    EXPECT_EQ(dialogs.OnlyMessage(),
              "Datová řada o 1000000 bodech by potřebovala asi 31 MB paměti, \nvolných je "
              "jen 10 MB. \nZmenšete rozsah nebo zvětšete krok.");
    EXPECT_EQ(dialogs.Messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(series.LastRun(), RunEnd::NotRun);
    EXPECT_EQ(control.Begun, 1);                    // the refused run never started
    EXPECT_EQ(series.Series().ValidPoints, 1000u);  // and changed nothing

    // A transfer vector (and the variable's copy of it) counts too: 100,000
    // points need 3 MB for X and Y and 6 MB more for the vector.
    available = 8u << 20;
    series.SetVarAsVector(true);
    Box(BoxId::X, "1..100000:1");
    dialogs.Messages.clear();
    Run("X");
    EXPECT_TRUE(dialogs.Messages.empty());
    Run("V=X");
    EXPECT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_FALSE(series.Vectors().HasVector("V"));

    // Memory that cannot be learnt refuses nothing.
    series.SetMemoryProbe([] { return std::optional<std::uint64_t>(); });
    dialogs.Messages.clear();
    Run("V=X");
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_TRUE(series.Vectors().HasVector("V"));
}

TEST(SeriesMemory, FitsWithinThreeQuartersOfWhatIsAvailable) {
    const SeriesFootprint real;
    EXPECT_EQ(BytesPerPoint(real), 2 * sizeof(long double));
    EXPECT_TRUE(SeriesFits(1000.0L, real, 32000 * 4 / 3 + 1));
    EXPECT_FALSE(SeriesFits(1000.0L, real, 32000));
    EXPECT_TRUE(SeriesFits(1e12L, real, std::nullopt));
    // The probe of this machine gives some figure (Linux has /proc/meminfo).
    ASSERT_TRUE(AvailableMemory().has_value());
    EXPECT_GT(*AvailableMemory(), 0u);
}

TEST_F(SeriesTest, OrdinaryCalculationEmptiesTheSeries) {
    Box(BoxId::X, "1..3:1");
    Run("X");
    EXPECT_FALSE(series.Series().IsEmpty());
    Box(BoxId::X, "2");
    EXPECT_EQ(Run("X+1"), CalcOutcome::Evaluated);
    EXPECT_TRUE(series.Series().IsEmpty());
}

TEST_F(SeriesTest, SumInputShowsTheAccumulatedValue) {
    Box(BoxId::X, "1..4:1");
    Run("SUM(X)");
    EXPECT_EQ(TrimBlanks(calc.DisplayText()),
              TrimBlanks(calc.FormatValue(calc.Parser1().GetVariable("ANS"))));
    EXPECT_EQ(calc.DisplayText().find("hodnot"), std::string::npos);
}

}  // namespace
}  // namespace tarvix::testing
