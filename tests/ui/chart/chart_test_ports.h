// Ports for the chart window's tests: message boxes recorded and answered
// with Cancel, no text asked for, no file chosen.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/chart/gr_form.h"

namespace tarvix {

class RecordingDialogs : public DialogsPort {
public:
    ModalResult ShowMessage(const MessageBoxRequest& request) override {
        messages.push_back(request.Text);
        return ModalResult::Cancel;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }
    std::vector<std::string> messages;
};

class NoFiles : public FileChoicePort {
public:
    std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> ChooseFileToSave(const FileDialogRequest&) override {
        return std::nullopt;
    }
};

}  // namespace tarvix
