// The host of the command-line tool: the engine's messages go to standard
// error, questions are answered yes, advice boxes are not ticked.
#pragma once

#include <iostream>
#include <string>
#include <string_view>

#include "engine/HeadlessHost.h"

namespace tarvelle {

class CliHost : public HeadlessHost {
public:
    MessageAnswer showMessage(MessageKind kind, std::string_view title, std::string_view text,
                              MessageButtons buttons) override {
        std::string line(text);
        for (char& c : line)
            if (c == '\r') c = ' ';
        std::cerr << "tarvelle-cli: " << line << "\n";
        return HeadlessHost::showMessage(kind, title, text, buttons);
    }
    bool showAdviceBox(std::string_view, int) override { return false; }
};

// Says what went wrong on standard error; the tool then exits with status 2.
inline int cliFailure(const std::string& message) {
    std::cerr << "tarvelle-cli: " << message << "\n";
    return 2;
}

}  // namespace tarvelle
