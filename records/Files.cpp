// Files of the program: whole-file reads, replacing writes, temporary files and folders.
#include "records/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace tarvelle::files {

namespace fs = std::filesystem;

std::string nativePath(std::string_view path) {
    std::string out(path);
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

bool exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(nativePath(path), ec);
}

bool isDirectory(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(nativePath(path), ec);
}

bool makeDirectory(const std::string& path) {
    std::error_code ec;
    fs::create_directories(nativePath(path), ec);
    return isDirectory(path);
}

bool removeFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(nativePath(path), ec);
}

bool renameFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(nativePath(from), nativePath(to), ec);
    return !ec;
}

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(nativePath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return text.str();
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = next;
    }
    return lines;
}

std::optional<std::vector<std::string>> readLines(const std::string& path) {
    auto text = readFile(path);
    if (!text) return std::nullopt;
    return splitLines(*text);
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

bool replaceFile(const std::string& path, std::string_view content) {
    const std::string target = nativePath(path);
    const fs::path folder = fs::path(target).parent_path();
    std::string pattern = (folder.empty() ? std::string(".") : folder.string()) + "/." +
                          fs::path(target).filename().string() + ".XXXXXX";
    int fd = mkstemp(pattern.data());
    if (fd < 0) return false;
    const char* data = content.data();
    size_t left = content.size();
    bool ok = true;
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    // A file made by mkstemp is private to its owner; the data files are ordinary ones.
    if (ok) ::fchmod(fd, 0644);
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(pattern.c_str(), target.c_str()) != 0) ok = false;
    if (!ok) std::remove(pattern.c_str());
    return ok;
}

bool replaceLines(const std::string& path, const std::vector<std::string>& lines) {
    return replaceFile(path, joinLines(lines));
}

std::string uniqueTempFile(const std::string& folder, std::string_view prefix) {
    std::string base = nativePath(folder);
    if (!base.empty() && base.back() != '/') base += '/';
    std::random_device device;
    std::mt19937 pick(device());
    for (int attempt = 0; attempt < 1000; ++attempt) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(pick() & 0xFFFF));
        std::string candidate = base + std::string(prefix) + digits + ".tmp";
        int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd >= 0) {
            ::close(fd);
            return candidate;
        }
        if (errno != EEXIST) return {};
    }
    return {};
}

std::string tempFolder() {
    std::error_code ec;
    std::string folder = fs::temp_directory_path(ec).string();
    if (ec || folder.empty()) folder = "/tmp";
    if (folder.back() != '/') folder += '/';
    return folder;
}

bool isWritableDirectory(const std::string& path) {
    return isDirectory(path) && ::access(nativePath(path).c_str(), W_OK | X_OK) == 0;
}

}  // namespace tarvelle::files
