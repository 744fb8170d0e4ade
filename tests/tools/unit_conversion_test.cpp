// Unit table and conversions: the table's examples, formulas on the private
// evaluator, name matching, and every unit to its base and back.
#include <gtest/gtest.h>

#include <cmath>

#include "calculator/calculator.h"
#include "engine/parser_errors.h"
#include "tools/text_match.h"
#include "tools/tool_messages.h"
#include "tools/unit_conversion_model.h"
#include "tools/unit_converter.h"
#include "tools/unit_names.h"

namespace tarvix {
namespace {

const UnitTable& Table() {
    return UnitTable::BuiltIn();
}

long double ConvertByName(std::string_view category, std::string_view from, std::string_view to,
                          long double value) {
    const std::size_t c = Table().FindCategory(category).value();
    UnitConverter converter;
    return converter.Convert(c, Table().FindUnit(c, from).value(), Table().FindUnit(c, to).value(),
                             value);
}

TEST(UnitTable, HoldsFifteenQuantitiesInOrder) {
    const char* names[] = {"délka",    "plocha",    "objem",     "čas",     "hmotnost",
                           "výkon",    "teplota",   "tlak",      "energie", "síla",
                           "rychlost", "zrychlení", "svítivost", "jas",     "osvětlení"};
    ASSERT_EQ(Table().Categories().size(), kUnitCategoryCount);
    for (std::size_t i = 0; i < kUnitCategoryCount; ++i) {
        EXPECT_EQ(Table().Category(i).Name, names[i]);
        EXPECT_LE(Table().Category(i).Units.size(), kMaxUnitsPerCategory);
    }
    EXPECT_EQ(Table().Category(0).Units.size(), 19u);
    EXPECT_EQ(Table().Category(0).Units[0].Note, "základní jednotka SI");
    EXPECT_EQ(Table().Category(6).Units[1].Definition, "X+273,15 @X-273,15");
    EXPECT_TRUE(Table().FindUnit(0, "Ångström"));
}

TEST(UnitTable, NoBreakSpacesBelongToNames) {
    const std::size_t power = Table().FindCategory("výkon").value();
    EXPECT_EQ(Table().Category(power).Units[8].Name, "kilokalorie za hodinu\u00A0");
    EXPECT_EQ(Table().Category(power).Units[11].Name, "erg\u00A0 za sekundu");
    // A typed name matches with ordinary blanks.
    EXPECT_EQ(Table().FindUnit(power, "erg za sekundu"), 11u);
    EXPECT_EQ(Table().FindUnit(power, "koňská síla"), 13u);
    EXPECT_EQ(Table().FindUnit(power, "KOŇSKÁ  SÍLA metrická"), 14u);
}

TEST(TextMatch, CaseBlanksAndAccents) {
    EXPECT_TRUE(NamesMatch("Stupeň  CELSIA", "stupeň Celsia"));
    EXPECT_TRUE(NamesMatch("ČTVEREČNÝ\u00A0metr ", "čtverečný metr"));
    EXPECT_FALSE(NamesMatch("stupen Celsia", "stupeň Celsia"));  // accents count
    EXPECT_TRUE(NamesMatch("ĽŠŤŽŇ", "ľšťžň"));
}

struct ConversionCase {
    const char* Category;
    const char* From;
    const char* To;
    long double Value;
    long double Expected;
};

TEST(UnitConverter, TableExamples) {
    const ConversionCase cases[] = {
        {"délka", "palec", "centimetr", 1.0L, 2.54L},
        {"teplota", "stupeň Celsia", "stupeň Fahrenheita", 100.0L, 212.0L},
        {"rychlost", "metr za sekundu", "kilometr za hodinu", 1.0L, 3.6L},
        {"teplota", "stupeň Rankina", "Kelvin", 9.0L, 5.0L},
        {"teplota", "stupeň Reamura", "Kelvin", 8.0L, 283.15L},
        {"čas", "hodina", "minuta", 2.0L, 120.0L},
        {"jas", "blondel", "kandela na metr čtverečný", 3.14159265358979323846L, 1.0L},
    };
    for (const ConversionCase& c : cases) {
        const long double got = ConvertByName(c.Category, c.From, c.To, c.Value);
        EXPECT_NEAR(static_cast<double>(got), static_cast<double>(c.Expected),
                    1e-14 * std::fabs(static_cast<double>(c.Expected)))
            << c.From << " -> " << c.To;
    }
}

TEST(UnitConverter, ResultIsDividedByTheFactor) {
    // 0.3 m in decimetres: 0.3 / 0.1, one rounding less than 0.3 · (1 / 0.1).
    EXPECT_EQ(ConvertByName("délka", "metr", "decimetr", 0.3L), 0.3L / 0.1L);
}

TEST(UnitConverter, EveryUnitToItsBaseAndBack) {
    UnitConverter converter;
    const long double value = 1.2345L;
    for (const UnitCategory& category : Table().Categories()) {
        for (const UnitDefinition& unit : category.Units) {
            const long double back = converter.FromBase(unit, converter.ToBase(unit, value));
            EXPECT_NEAR(static_cast<double>(back / value), 1.0, 1e-15)
                << category.Name << ": " << unit.Name;
        }
    }
}

TEST(UnitConverter, FormulaErrors) {
    UnitTable table = UnitTable::Parse("[q]\nbase=1\nnoinverse=2*X\nnox=abc\n");
    UnitConverter converter(table);
    try {
        converter.Convert(0, 0, 1, 1.0L);
        FAIL() << "no error";
    } catch (const ToolError& e) {
        EXPECT_EQ(e.Key(), toolmsg::NoInverseFormula);
        EXPECT_STREQ(e.what(), "Nebyl definován inverzní převodní vztah");
    }
    try {
        converter.Convert(0, 2, 0, 1.0L);
        FAIL() << "no error";
    } catch (const ToolError& e) {
        EXPECT_EQ(e.Key(), toolmsg::NoVariableX);
    }
    // The forward formula alone works.
    EXPECT_EQ(converter.Convert(0, 1, 0, 3.0L), 6.0L);
}

TEST(UnitConversionModel, ExpressionInputAndTheCalculatorsX) {
    Calculator calculator;
    calculator.Parser1().SetVariable("X", {7.0L, 0.0L});
    UnitConversionModel model;
    model.SelectCategory(6);  // teplota
    model.SelectInputUnit(1);
    model.SelectOutputUnit(3);
    model.SetInputText("2*50");
    model.Convert(calculator.Parser1(), ',');
    EXPECT_EQ(model.OutputText(), "212");
    // The formulas ran on the converter's own evaluator.
    EXPECT_EQ(calculator.Parser1().GetVariable("X").Re, 7.0L);

    model.SelectCategory(0);
    model.SelectInputUnit(6);   // palec
    model.SelectOutputUnit(3);  // centimetr
    model.SetInputText("1");
    model.Convert(calculator.Parser1(), ',');
    EXPECT_EQ(model.OutputText(), "2,54");

    model.SetInputText("2*pi");
    model.SelectInputUnit(0);
    model.SelectOutputUnit(0);
    model.Convert(calculator.Parser1(), '.');
    EXPECT_EQ(model.OutputText(), "6.28318530717959");
}

// Another quantity with an input that does not convert shows no result of
// the quantity before; the same quantity keeps its last result.
TEST(UnitConversionModel, AnotherQuantityDropsTheOldResult) {
    Calculator calculator;
    UnitConversionModel model;
    model.SelectInputUnit(6);   // palec
    model.SelectOutputUnit(3);  // centimetr
    model.SetInputText("1");
    model.Convert(calculator.Parser1(), '.');
    ASSERT_EQ(model.OutputText(), "2.54");
    model.SetInputText("2*");
    EXPECT_THROW(model.Convert(calculator.Parser1(), '.'), std::exception);
    model.SelectCategory(0);
    EXPECT_EQ(model.OutputText(), "2.54");
    model.SelectCategory(6);  // teplota
    EXPECT_EQ(model.OutputText(), "");
    EXPECT_THROW(model.Convert(calculator.Parser1(), '.'), std::exception);
    EXPECT_EQ(model.OutputText(), "");
}

TEST(UnitConversionModel, SwapTwiceRestoresUnits) {
    Calculator calculator;
    UnitConversionModel model;
    model.SelectInputUnit(6);
    model.SelectOutputUnit(3);
    model.SetInputText("1");
    model.Convert(calculator.Parser1(), '.');
    model.SwapAll();
    EXPECT_EQ(model.InputText(), "2.54");
    EXPECT_EQ(model.InputUnit(), 3u);
    model.Convert(calculator.Parser1(), '.');
    EXPECT_EQ(model.OutputText(), "1");
    model.SwapAll();
    EXPECT_EQ(model.InputUnit(), 6u);
    EXPECT_EQ(model.OutputUnit(), 3u);
    EXPECT_EQ(model.InputText(), "1");
}

TEST(UnitConversionModel, NotesAndErrorsKeepTheState) {
    Calculator calculator;
    UnitConversionModel model;
    TextCatalog texts;
    const UnitNames names(model.Table(), texts);
    model.SelectInputUnit(0);
    EXPECT_EQ(model.NoteText("Pozn.:", names), "Pozn.:  základní jednotka SI");
    model.SelectOutputUnit(17);
    EXPECT_EQ(model.NoteText("Pozn.:", names), "Pozn.:Střední vzdálenost Země od Slunce");
    model.SelectOutputUnit(1);
    EXPECT_EQ(model.NoteText("Pozn.:", names), "");
    model.Convert(calculator.Parser1(), '.');
    const std::string before = model.OutputText();
    model.SetInputText("1+");
    EXPECT_ANY_THROW(model.Convert(calculator.Parser1(), '.'));
    EXPECT_EQ(model.OutputText(), before);
}

// An empty input is not the number 0, and a value past the top of the
// range is not "INF": both are the engine's messages, the output unchanged.
TEST(UnitConversionModel, EmptyInputAndOverflowAreErrors) {
    Calculator calculator;
    UnitConversionModel model;
    model.SelectInputUnit(0);   // metr
    model.SelectOutputUnit(6);  // palec
    model.Convert(calculator.Parser1(), '.');
    const std::string before = model.OutputText();
    auto messageOf = [&](const std::string& input) -> std::string {
        model.SetInputText(input);
        try {
            model.Convert(calculator.Parser1(), '.');
        } catch (const EMathParserError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(messageOf(""), "Syntaktická chyba ve výrazu");
    EXPECT_EQ(messageOf(" \t "), "Syntaktická chyba ve výrazu");
    EXPECT_EQ(messageOf("1e4932"), "Přetečení rozsahu čísla s pohyblivou řádovou čárkou");
    EXPECT_EQ(model.OutputText(), before);
    EXPECT_THROW(ReadConversionInput("", calculator.Parser1()), ESyntaxError);
    EXPECT_EQ(ReadConversionInput(" 2 * 3 ", calculator.Parser1()), 6.0L);
}

}  // namespace
}  // namespace tarvix
