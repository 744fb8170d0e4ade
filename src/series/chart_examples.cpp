// The example tables of the "&Graf" menu and the setup each example makes.
#include "series/chart_examples.h"

namespace tarvix {
namespace {

constexpr std::string_view kEpiX = "x=(a+b)*cos(b/a*t)-d*cos((a+b)/a*t)";
constexpr std::string_view kEpiY = "y=(a+b)*sin(b/a*t)-d*sin((a+b)/a*t)";
constexpr std::string_view kHypoX = "x=(a-b)*cos(b/a*t)+d*cos((a-b)/a*t)";
constexpr std::string_view kHypoY = "y=(a-b)*sin(b/a*t)-d*sin((a-b)/a*t)";
constexpr std::string_view k2Pi = "-2*pi..2*pi:pi/100";
constexpr std::string_view k8Pi = "-2*pi..8*pi:pi/100";

constexpr TKrivka kParametric[] = {
    {"Krivka0", "Kružnice", "x=a*cos(t)", "y=a*sin(t)", "0..2*pi:pi/100", "1", "0", "0"},
    {"Krivka1", "Elipsa", "x=(a/2+d)*cos(t/2)", "y=(a/2-d)*sin(t/2)", "-2*pi..2*pi:pi/100", "1",
     "0", "0,2"},
    {"Krivka2", "Spirála", "x=a*cos(t)", "y=a*sin(t)", "0..8*pi:pi/100", "1:0,1", "0", "0"},
    {"Krivka3", "Evolventa kružnice", "x=a*(cos(t)+t*sin(t))", "y=a*(sin(t)-t*cos(t))", k2Pi, "1",
     "0", "0"},
    {"Krivka4", "Prostá cykloida", "x=a*(t-sin(t))", "y=a*(1-cos(t))", k2Pi, "1", "0", "0"},
    {"Krivka5", "Zkrácená cykloida", "x=a*t-d*sin(t)", "y=a-d*cos(t)", k2Pi, "1", "0", "0,2"},
    {"Krivka6", "Prodloužená cykloida", "x=a*t-d*sin(t)", "y=a-d*cos(t)", k2Pi, "1", "0", "1,8"},
    {"Krivka7", "Prostá epicykloida", kEpiX, kEpiY, k8Pi, "1", "0,25", "1"},
    {"Krivka8", "Zkrácená epicykloida", kEpiX, kEpiY, k8Pi, "1", "0,25", "0,7"},
    {"Krivka9", "Prodloužená epicykloida", kEpiX, kEpiY, k8Pi, "1", "0,25", "1,2"},
    {"Krivka10", "Kardioida", "x=a*(2*cos(t)-cos(2*t))", "y=a*(2*sin(t)-sin(2*t))", k2Pi, "1", "0",
     "0"},
    {"Krivka11", "Prostá hypocykloida", kHypoX, kHypoY, k8Pi, "1", "0,25", "1"},
    {"Krivka12", "Zkrácená hypocykloida", kHypoX, kHypoY, k8Pi, "1", "0,25", "0,5"},
    {"Krivka13", "Prodloužená hypocykloida", kHypoX, kHypoY, k8Pi, "1", "0,25", "1,5"},
    {"Krivka14", "Asteroida", "x=a*(cos(t/4))^3", "y=a*(sin(t/4))^3", k8Pi, "1", "0,25", "1"},
    {"Krivka15", "Bernoulliova lemniskáta", "x=a*t*sqrt(2)*((1+t^2)/(1+t^4))",
     "y=a*t*sqrt(2)*((1-t^2)/(1+t^4))", "-4*pi..4*pi:pi/100", "1", "0", "0"},
    {"Krivka16", "Dioklova kisoida", "x=a*t^2/(1+t^2)", "y=a*t^3/(1+t^2)", k2Pi, "1", "0", "0"},
    {"Krivka17", "Strofoida", "x=-a*(1-t^2)/(1+t^2)", "y=-a*t*(1-t^2)/(1+t^2)", k2Pi, "1", "0",
     "0"},
    {"Krivka18", "Pascalova závitnice", "x=a*cos(t)-b*cos(2*t)", "y=a*sin(t)-b*sin(2*t)", k2Pi, "1",
     "1", "0"},
    {"Krivka19", "Matematické kyvadlo", "x=sin(t+a)", "y=sin(2*t)", "-pi..pi:pi/100", "0..pi:pi/8",
     "0", "0"},
    {"Krivka20", "Svícen", "x=a*sin(t)*cos(t/3)", "y=cos(t/3)", "0..6*pi:pi/100", "0..2:0,2", "0",
     "0"},
    {"Krivka21", "Květ kopretiny", "x=(a+0,7*sin(10*t))*cos(t)", "y=(a+0,7*sin(10*t))*sin(t)",
     "0..2*pi:pi/100", "1", "0", "0"},
    {"Krivka22", "Kruh se zářezy", "x=(a+0,15*sign(sin(10*t)))*cos(t)",
     "y=(a+0,15*sign(sin(10*t)))*sin(t)", "0..6*pi:pi/100", "1", "0", "0"},
    {"Krivka23", "Ozubené kolo", "x=(a+0,1*sin(30*t))*cos(t)", "y=(a+0,1*sin(30*t))*sin(t)",
     "0..2*pi:pi/1000", "1", "0", "0"},
};

constexpr TKrivka kCartesian[] = {
    {"KrivkaIP0", "Řetězovka", "", "y=a*cosh(x)", "-1..1:0,01", "1", "0", ""},
    {"KrivkaIP1", "Pravoúhlá periodická funkce", "", "y=a*sign(sin(x))", "0..19,8*pi:0,01", "1",
     "0", ""},
    {"KrivkaIP2", "Sinusová modulace", "", "y=a*sin(1,51*x)*sign(sin(39,5*x))", "0..2*pi:pi/1000",
     "1", "0", ""},
    {"KrivkaIP3", "Sinuskosinusová modulace", "",
     "y=sin(1,51*x)*sign(sin(39,5*x))+0,5*cos(2*x)", "0..2*pi:pi/1000", "1", "0", ""},
    {"KrivkaIP4", "Kosinusový impuls", "", "y=a*heaviside(cos(x))*cos(x)", "0..10*pi:pi/100", "1",
     "0", ""},
    {"KrivkaIP5", "Přechodový děj střídavý", "", "y=sin(50*x)*exp(1)^(-x)", "pi..2*pi:pi/1000",
     "1", "0", ""},
};

constexpr std::string_view k10Pi = "0..10*pi:pi/100";
constexpr TKrivka kExpansion[] = {
    {"KrivkaNR0", "Pravoúhelníková křivka", "", "y=1/n*sin(n*x):::n=1..1000:2", k10Pi, "1", "0",
     ""},
    {"KrivkaNR1", "Pilovitá křivka rostoucí", "", "y=-1/n*sin(n*x):::n=1..1000:1", k10Pi, "1", "0",
     ""},
    {"KrivkaNR2", "Pilovitá křivka klesající", "", "y=1/n*sin(n*x):::n=1..1000:1", k10Pi, "1",
     "0", ""},
    {"KrivkaNR3", "Trojúhelníková křivka", "", "y=1/n^2*cos(n*x):::n=1..1000:2", k10Pi, "1", "0",
     ""},
    {"KrivkaNR4", "Lichoběžníková křivka", "", "y=1/n^2*sin(n*x)*sin(n*0,8):::n=1..1000:2", k10Pi,
     "1", "0", ""},
    {"KrivkaNR5", "Pravoúhelníkový impuls", "", "y=sin(n*a)/n*cos(n*x) :::n=1..1000:1", k10Pi,
     "0.2", "0", ""},
};

// The equation without its "x=" or "y=".
std::string_view RightSide(std::string_view equation) {
    if (equation.size() > 2 && equation[1] == '=') equation.remove_prefix(2);
    return equation;
}

}  // namespace

std::span<const TKrivka> ExampleTable(ExampleList list) {
    switch (list) {
        case ExampleList::Parametric: return kParametric;
        case ExampleList::Cartesian: return kCartesian;
        case ExampleList::Expansion: return kExpansion;
    }
    return kParametric;
}

ExampleChoice RestoredChoice(ExampleChoice choice, ExampleList list) {
    const int size = static_cast<int>(ExampleTable(list).size());
    if (choice.Selected < 0 || choice.Selected >= size) choice.Selected = 0;
    if (choice.Top < 0 || choice.Top >= size) choice.Top = 0;
    return choice;
}

ExampleSetup SetupOf(const TKrivka& example, ExampleList list, std::string_view name) {
    ExampleSetup setup;
    const std::string quoted = "\"" + std::string(name) + "\" ";
    setup.Title = std::string(name);
    if (list == ExampleList::Parametric) {
        setup.Variables = {"t", "a", "b", "d", "_C_", "_D_", "_E_", "_F_"};
        setup.InputLine = quoted + std::string(RightSide(example.XEquation)) + "..." +
                          std::string(RightSide(example.YEquation));
        setup.Labels = {"t", "a", "b", "d", "_C_", "_D_", "_E_", "_F_"};
        setup.Boxes = {std::string(example.Range), std::string(example.A),
                       std::string(example.B),     std::string(example.D),
                       "0", "0", "0", "0"};
        setup.Orthonormal = true;
    } else {
        setup.Variables = {"x", "n", "a", "b", "_C_", "_D_", "_E_", "_F_"};
        setup.InputLine = quoted + std::string(example.YEquation);
        setup.Labels = {"x", "n", "a", "b", "_C_", "_D_", "_E_", "_F_"};
        setup.Boxes = {std::string(example.Range), "0", std::string(example.A),
                       std::string(example.B),     "0", "0", "0", "0"};
        setup.Orthonormal = false;
    }
    return setup;
}

}  // namespace tarvix
