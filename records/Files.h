// Files of the program: whole-file reads, replacing writes, temporary files and folders.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelle::files {

// Stored paths use the backslash of the rule and data files ("DATA\CFG.DAT");
// the file system gets forward slashes.
std::string nativePath(std::string_view path);

bool exists(const std::string& path);
bool isDirectory(const std::string& path);
bool makeDirectory(const std::string& path);
bool removeFile(const std::string& path);
bool renameFile(const std::string& from, const std::string& to);

std::optional<std::string> readFile(const std::string& path);

// Lines of a text file; CR LF and LF line ends are both accepted.
std::optional<std::vector<std::string>> readLines(const std::string& path);
std::vector<std::string> splitLines(std::string_view text);

// Joins lines with CR LF, every line ended.
std::string joinLines(const std::vector<std::string>& lines);

// Writes the whole content beside the target and renames it over the target,
// so that a crash leaves either the old file or the new one, never half of one.
bool replaceFile(const std::string& path, std::string_view content);
bool replaceLines(const std::string& path, const std::vector<std::string>& lines);

// A new, empty file with a unique name in the folder, named prefix + digits + ".tmp";
// empty when none could be made.
std::string uniqueTempFile(const std::string& folder, std::string_view prefix);

// The folder of the system's temporary files, with its trailing separator.
std::string tempFolder();

// True when files can be created in the folder.
bool isWritableDirectory(const std::string& path);

}  // namespace tarvelle::files
