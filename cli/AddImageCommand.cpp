#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "cli/PictureArguments.h"
#include "document/FolioSession.h"
#include "imagefile/ImageFile.h"
#include "model/CodePage437.h"
#include "model/Limits.h"
#include "model/ObjectList.h"
#include "model/Reporter.h"
#include "picture/ChosenDithering.h"
#include "picture/PictureImport.h"
#include "picture/PictureObject.h"

#include <QGuiApplication>

#include <filesystem>
#include <iostream>

namespace quillset::cli {

namespace {

void onlyFailures(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << '\n';
}

// The picture readers need a GUI application; the tool has no display. Qt's
// remarks on the missing desktop session are not the user's concern.
class OffscreenApplication {
public:
    OffscreenApplication()
        : previous_(qInstallMessageHandler(onlyFailures))
        , app_(argc_, argv_) {}
    ~OffscreenApplication() { qInstallMessageHandler(previous_); }
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

private:
    char name_[13] = "quillset-cli";
    char platform_[10] = "-platform";
    char offscreen_[10] = "offscreen";
    char* argv_[4] = {name_, platform_, offscreen_, nullptr};
    int argc_ = 3;
    QtMessageHandler previous_;
    QGuiApplication app_;
};

bool addImage(const Invocation& invocation, FolioSession& session, Reporter& reporter) {
    const auto at = parsePoint(invocation.value("--at").value_or(""));
    if (!at) {
        reporter.report("add-image needs --at X,Y, the picture's top-left dot.");
        return false;
    }
    std::string error;
    const auto asked = invocation.value("--dither");
    auto choice = parseDither(asked.value_or("threshold"), error);
    if (!choice) {
        reporter.report(error);
        return false;
    }
    int width = 0;
    if (const auto given = invocation.value("--width")) {
        const auto dots = wholeNumber(*given, 1, kMaxPictureWidth);
        if (!dots) {
            reporter.report("--width is 1 to " + std::to_string(kMaxPictureWidth) + " dots.");
            return false;
        }
        width = *dots;
    }
    if (session.objects().full()) {
        reporter.report("The page holds " + std::to_string(kMaxObjects) + " objects at most.");
        return false;
    }
    const std::string path = invocation.positionals[1];
    OffscreenApplication app;
    const auto image = readImageFile(path, width, error);
    if (!image) {
        reporter.report(error);
        return false;
    }
    if (!asked)
        choice->dithering = chooseDithering(*image).dithering;
    const PictureSize size = importSize(image->width, image->height, width > 0 ? width : image->width);
    std::string source;
    appendUtf8AsCp437(source, std::filesystem::absolute(path).lexically_normal().string());
    session.objects().append(pictureObject(
        finishPicture(importPicture(*image, size, choice->dithering, choice->level),
                      std::move(source)),
        at->x, at->y));
    session.editFinished();
    return writeOutput(invocation.value("-o"), session.fileBytes(), reporter);
}

int run(const Invocation& invocation) {
    if (!invocation.has("-o")) {
        std::cerr << "add-image needs -o OUT.\n";
        return 1;
    }
    return runOnDocument(invocation, [&](FolioSession& session, Reporter& reporter) {
        return addImage(invocation, session, reporter);
    });
}

} // namespace

const Command addImageCommand = {
    "add-image",
    "PAGE IMAGE --at X,Y [--width DOTS] [--dither threshold[:LEVEL]|ordered|diffusion] -o OUT",
    "Place the picture in IMAGE (PNG, JPEG, BMP, GIF or SVG) on PAGE and write the page as OUT.",
    2,
    {{"--at", "X,Y", "the picture's top-left dot"},
     {"--width", "DOTS", "its width in dots, the aspect kept (default: the image's own)"},
     {"--dither", "MODE",
      "threshold[:LEVEL] (level 128), ordered or diffusion; without it threshold for a "
      "black-and-white image, diffusion for one with greys or colours"},
     {"-o", "OUT", "the page file to write (- for standard output)"}},
    run,
};

} // namespace quillset::cli
