// tarvelle-cli render: a dealt game drawn as the main window shows it, to a PNG file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvelle {

// render GAME NUMBER FILE.png [WIDTHxHEIGHT]; the arguments after the command
// word. Returns the tool's exit status.
int renderCommand(const std::vector<std::string_view>& args, const std::string& programFolder);

}  // namespace tarvelle
