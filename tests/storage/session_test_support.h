// Helpers for the working-state tests: the calculator fixture with scripted
// ports, a private folder, the XDG folders of the process pointed into it
// (so no test touches the real home), a scripted file-choice port, and a
// snapshot of the calculator's state for "nothing changed" checks.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "../calculator/calculator_test_support.h"
#include "calculator/value_text.h"
#include "engine/engine_modes.h"
#include "storage/data_file_commands.h"
#include "temp_folder.h"

namespace tarvix::testing {

// Sets environment variables for the life of the object and puts the old
// values back afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) {
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            } else {
                ::unsetenv(it->first.c_str());
            }
        }
    }
    void Set(const std::string& name, const std::string& value) {
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        ::setenv(name.c_str(), value.c_str(), 1);
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

class ScriptedFiles : public FileChoicePort {
public:
    std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialogRequest& r) override {
        return Answer(r, false);
    }
    std::optional<std::filesystem::path> ChooseFileToSave(const FileDialogRequest& r) override {
        return Answer(r, true);
    }

    struct Asked {
        FileDialogRequest Request;
        bool Save;
    };
    std::deque<std::optional<std::filesystem::path>> Answers;
    std::vector<Asked> Requests;

private:
    std::optional<std::filesystem::path> Answer(const FileDialogRequest& request, bool save) {
        Requests.push_back({request, save});
        if (Answers.empty()) return std::nullopt;
        auto answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

// What a file may change in the calculator, for comparing before and after.
struct CalculatorSnapshot {
    ModeSwitches Switches;
    char ImaginaryUnit;
    std::vector<std::pair<std::string, std::string>> Registers;  // label, box
    std::vector<std::pair<std::string, std::string>> Variables;  // name, value text
    std::string Input;
    std::vector<std::string> InputHistory;

    static CalculatorSnapshot Of(const Calculator& calc) {
        CalculatorSnapshot s{calc.Switches(),  calc.ImaginaryUnit(), {}, {},
                             calc.InputText(), calc.InputHistory()};
        for (BoxId box : kRegisterLoadOrder) {
            s.Registers.emplace_back(calc.RegisterAt(box).Label, calc.RegisterAt(box).Box);
        }
        FormatOptions exact = calc.CurrentFormatOptions();
        exact.Scope = nsComplex;
        const TParser& parser = calc.Parser1();
        for (int i = 0; i < parser.VarCount(); ++i) {
            const std::string& name = parser.VariableName(i);
            s.Variables.emplace_back(name, VectorElementText(parser.GetVariable(name), exact));
        }
        return s;
    }
    friend bool operator==(const CalculatorSnapshot&, const CalculatorSnapshot&) = default;
};

// The calculator fixture in a private folder; the remembered expressions a
// file sets are kept in `expressions`. The imaginary unit is process-wide:
// each test starts and ends with "i".
class WorkingStateTest : public CalculatorTest {
protected:
    WorkingStateTest() { EngineModes.ImaginaryUnitChar = 'i'; }
    ~WorkingStateTest() override { EngineModes.ImaginaryUnitChar = 'i'; }

    std::string Value(std::string_view name) {
        FormatOptions exact = calc.CurrentFormatOptions();
        exact.Scope = nsComplex;
        return VectorElementText(calc.Parser1().GetVariable(name), exact);
    }

    TempFolder folder;
};

}  // namespace tarvix::testing
