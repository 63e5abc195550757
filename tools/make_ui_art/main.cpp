// make_ui_art: turns the text pixel art of the toolbar and the icons into the
// binary resources the program embeds.
//
//   make_ui_art --out DIR [--preview DIR] [--icon NAME=ART]... [--png NAME=SIZE]...
//               STRIP_ART...
//
// Writes DIR/toolbar.dib (the strip, pictures in the order given) and, for
// each --icon, DIR/iconNAME.ico-image. Each --png also writes the icon NAME
// as DIR/iconNAME-SIZE.png, SIZE x SIZE pixels, for the desktop's icon theme.
// With --preview, also writes .bmp files of the same pictures for a viewer.
// Nothing is written unless every art file reads cleanly, so a bad edit never
// leaves stale half-updated resources.
#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "bmp_file.h"
#include "icon_image.h"
#include "icon_png.h"
#include "pixel_art.h"
#include "toolbar_strip.h"

namespace {

namespace fs = std::filesystem;
using namespace ui_art;

struct IconRequest {
    std::string name;
    fs::path art;
};

struct PngRequest {
    std::string iconName;
    int size = 0;
};

struct Options {
    fs::path outDir;
    std::optional<fs::path> previewDir;
    std::vector<IconRequest> icons;
    std::vector<PngRequest> pngs;
    std::vector<fs::path> stripArt;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

IconRequest ParseIconRequest(std::string_view text) {
    const auto equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0 || equals + 1 == text.size()) {
        throw UsageError("--icon takes NAME=ART, got '" + std::string(text) + "'");
    }
    return {std::string(text.substr(0, equals)), fs::path(text.substr(equals + 1))};
}

PngRequest ParsePngRequest(std::string_view text) {
    const auto equals = text.find('=');
    const std::string size =
        equals == std::string_view::npos ? "" : std::string(text.substr(equals + 1));
    // Four digits are plenty for an icon and keep std::stoi from overflowing.
    const bool digits = !size.empty() && size.size() <= 4 &&
                        size.find_first_not_of("0123456789") == std::string::npos;
    if (equals == 0 || !digits) {
        throw UsageError("--png takes NAME=SIZE, got '" + std::string(text) + "'");
    }
    PngRequest request{std::string(text.substr(0, equals)), std::stoi(size)};
    if (request.size == 0 || request.size % kArtSize != 0) {
        throw UsageError("--png: the size must be a multiple of " + std::to_string(kArtSize) +
                         ", got " + size);
    }
    return request;
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--out" && hasValue) {
            options.outDir = argv[++i];
        } else if (arg == "--preview" && hasValue) {
            options.previewDir = argv[++i];
        } else if (arg == "--icon" && hasValue) {
            options.icons.push_back(ParseIconRequest(argv[++i]));
        } else if (arg == "--png" && hasValue) {
            options.pngs.push_back(ParsePngRequest(argv[++i]));
        } else if (arg.starts_with("--")) {
            throw UsageError("unknown or incomplete option " + std::string(arg));
        } else {
            options.stripArt.emplace_back(arg);
        }
    }
    if (options.outDir.empty() || options.stripArt.empty()) {
        throw UsageError(
            "usage: make_ui_art --out DIR [--preview DIR] [--icon NAME=ART]... "
            "[--png NAME=SIZE]... STRIP_ART...");
    }
    for (const PngRequest& png : options.pngs) {
        const bool known =
            std::any_of(options.icons.begin(), options.icons.end(),
                        [&](const IconRequest& icon) { return icon.name == png.iconName; });
        if (!known) {
            throw UsageError("--png " + png.iconName + "=...: no --icon " + png.iconName);
        }
    }
    return options;
}

void WriteFile(const fs::path& file, const Bytes& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error(file.string() + ": cannot write");
    }
}

void Run(const Options& options) {
    std::vector<PixelArt> strip;
    for (const fs::path& art : options.stripArt) {
        strip.push_back(ReadPixelArt(art));
    }
    std::vector<PixelArt> icons;
    for (const IconRequest& icon : options.icons) {
        icons.push_back(ReadPixelArt(icon.art));
    }

    const IndexedImage stripImage = ComposeStrip(strip);
    const Bytes stripDib = EncodeDib4(stripImage);
    WriteFile(options.outDir / "toolbar.dib", stripDib);
    if (options.previewDir) {
        WriteFile(*options.previewDir / "toolbar.bmp", BmpFile(stripDib));
    }
    for (std::size_t i = 0; i < icons.size(); ++i) {
        const std::string stem = "icon" + options.icons[i].name;
        WriteFile(options.outDir / (stem + ".ico-image"), EncodeIconImage(icons[i]));
        if (options.previewDir) {
            WriteFile(*options.previewDir / (stem + ".bmp"),
                      BmpFile(EncodeDib4(IconOnDesktop(icons[i]))));
        }
        for (const PngRequest& png : options.pngs) {
            if (png.iconName == options.icons[i].name) {
                WriteFile(options.outDir / (stem + "-" + std::to_string(png.size) + ".png"),
                          EncodeIconPng(icons[i], png.size));
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        Run(ParseOptions(argc, argv));
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "make_ui_art: error: " << error.what() << '\n';
        return 1;
    }
}
