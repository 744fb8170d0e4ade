// The calculator's clipboard port on the desktop clipboard.
#pragma once

#include "calculator/calculator_ports.h"

namespace tarvix {

class QtClipboard : public ClipboardPort {
public:
    void SetText(std::string_view text) override;
    std::string Text() const override;
};

}  // namespace tarvix
