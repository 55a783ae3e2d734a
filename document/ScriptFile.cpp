#include "document/ScriptFile.h"

#include "document/ScriptFileEncoder.h"
#include "model/CodePage437.h"
#include "model/FontTextLine.h"
#include "model/PageSettings.h"
#include "model/Reporter.h"
#include "model/ScriptReader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

namespace quillset {

namespace fs = std::filesystem;

namespace {

constexpr char kEscape = 27;
constexpr char kEndOfTransmission = 4;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A fresh file beside `target`, created exclusively so that nothing else
// is ever overwritten by it.
File createTemporaryBeside(const fs::path& target, fs::path& tempPath) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target;
        tempPath += ".tmp" + std::to_string(random() % 1000000);
        File file(std::fopen(tempPath.c_str(), "wbx"));
        if (file || errno != EEXIST)
            return file;
    }
    return nullptr;
}

bool isWrapperLine(std::string_view line) {
    return line.find(kEscape) != std::string_view::npos ||
           line.find(kEndOfTransmission) != std::string_view::npos;
}

// SetMargin and SetPageSize that read change the page; anything else
// changes nothing.
void applyPageStatement(std::string_view line, PageSettings& settings) {
    if (isWrapperLine(line))
        return;
    ScriptReader reader;
    int pos = 0;
    const Keyword keyword = reader.readKeyword(line, pos);
    if ((keyword != Keyword::SetMargin && keyword != Keyword::SetPageSize) ||
        !reader.readNumbersAndClose(line, pos, 2))
        return;
    if (keyword == Keyword::SetMargin) {
        settings.leftMargin = reader.args[0];
        settings.topMargin = reader.args[1];
    } else {
        settings.pageWidth = reader.args[0];
        settings.pageHeight = reader.args[1];
    }
    settings.clampIntoRaster();
}

} // namespace

std::string longLineWarning() {
    return "Warning: One or more lines were longer than the maximum allowed limit of " +
           std::to_string(kLongLine) + ".";
}

bool goesToScript(std::string_view line) {
    if (isWrapperLine(line))
        return false;
    ScriptReader reader;
    int pos = 0;
    switch (reader.readKeyword(line, pos)) {
    case Keyword::BeginPage:
    case Keyword::EndPage:
    case Keyword::SetMargin:
    case Keyword::SetPageSize:
        return false;
    default:
        return true;
    }
}

void loadFilter(std::string_view line, std::string& script, PageSettings& settings) {
    if (goesToScript(line))
        script += line;
    else
        applyPageStatement(line, settings);
}

LoadedScript loadScript(std::string_view fileBytes, PageSettings& settings) {
    LoadedScript loaded;
    // Room for the whole file as UTF-8 with a CR LF after every line, taken
    // at once: a file of one huge line then costs one copy of it, not two.
    const auto breaks =
        static_cast<std::size_t>(std::count(fileBytes.begin(), fileBytes.end(), '\n'));
    loaded.script.reserve(utf8Size(fileBytes) + 2 * (breaks + 1));
    std::string line;
    while (!fileBytes.empty()) {
        const std::size_t end = fileBytes.find('\n');
        const std::string_view piece = fileBytes.substr(0, end);
        fileBytes.remove_prefix(end == std::string_view::npos ? fileBytes.size() : end + 1);
        line.assign(piece);
        std::erase(line, '\r');
        if (line.size() + 2 >= static_cast<std::size_t>(kLongLine))
            loaded.longLines = true;
        // Escape, end of transmission and the keywords are ASCII, so the line
        // is judged in code page 437 and converted only when it is kept.
        if (goesToScript(line)) {
            appendCp437LineAsUtf8(loaded.script, line);
            loaded.script += "\r\n";
        } else {
            applyPageStatement(line, settings);
        }
    }
    return loaded;
}

std::string scriptFileBytes(std::string_view pageStream) {
    std::string out;
    ScriptFileEncoder encoder(appendingTo(out));
    encoder.add(pageStream);
    encoder.finish();
    return out;
}

bool readScriptFile(const std::string& path, std::string& bytes, Reporter& reporter) {
    File file(std::fopen(path.c_str(), "rb"));
    std::string read;
    std::error_code unknownSize;
    // Grown to the file's size at once, a long file is not copied as it grows.
    if (const auto size = fs::file_size(path, unknownSize); !unknownSize)
        read.reserve(static_cast<std::size_t>(size));
    if (file) {
        char buffer[65536];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
            read.append(buffer, n);
    }
    if (!file || std::ferror(file.get())) {
        reporter.report(kOpenForReadFailed);
        return false;
    }
    bytes = std::move(read);
    return true;
}

bool writeScriptFile(const std::string& path, std::string_view bytes, Reporter& reporter) {
    return writeFileFrom(
        path, [bytes](const FileAppend& append) { return append(bytes); }, reporter);
}

bool writeFileFrom(const std::string& path, const std::function<bool(const FileAppend&)>& produce,
                   Reporter& reporter) {
    std::error_code error;
    // Saving through a link replaces the file it points to, not the link.
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(target, error)))
        target = fs::weakly_canonical(target, error);
    if (fs::is_directory(fs::status(target, error))) {
        reporter.report(kOpenForWriteFailed);
        return false;
    }
    fs::path tempPath;
    File file = createTemporaryBeside(target, tempPath);
    if (!file) {
        reporter.report(kOpenForWriteFailed);
        return false;
    }
    const fs::file_status old = fs::status(target, error);
    bool written = true;
    const bool produced = produce([&](std::string_view bytes) {
        written = written && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
        return written;
    });
    const bool flushed = std::fflush(file.get()) == 0;
    bool ok = produced && written && flushed && std::fclose(file.release()) == 0;
    file.reset();
    if (ok && fs::exists(old))
        fs::permissions(tempPath, old.permissions(), error);
    if (ok) {
        fs::rename(tempPath, target, error);
        ok = !error;
    }
    if (!ok) {
        fs::remove(tempPath, error);
        if (produced || !written)
            reporter.report(kWriteFailed);
    }
    return ok;
}

} // namespace quillset
