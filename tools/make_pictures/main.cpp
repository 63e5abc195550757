// Paints the program's built-in pictures and writes each as NAME.dib, the
// packed form the program embeds; with --preview, also as NAME.bmp the right
// way round, for people to look at.
//
//   make_pictures OUTPUT_DIR [--preview PREVIEW_DIR]

#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "pictures.h"
#include "quantize.h"

namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

int Usage() {
    std::cerr << "usage: make_pictures OUTPUT_DIR [--preview PREVIEW_DIR]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    std::optional<std::filesystem::path> preview;
    if (args.size() == 3 && args[1] == "--preview") {
        preview = args[2];
    } else if (args.size() != 1) {
        return Usage();
    }
    const std::filesystem::path output(args[0]);

    try {
        std::filesystem::create_directories(output);
        if (preview) {
            std::filesystem::create_directories(*preview);
        }
        for (const pictures::PictureRecipe& recipe : pictures::AllPictures()) {
            pictures::IndexedPicture picture = pictures::Quantize(recipe.paint());
            const std::string name(recipe.name);
            WriteFile(output / (name + ".dib"), pictures::PackedDib(picture, recipe.header));
            if (preview) {
                WriteFile(*preview / (name + ".bmp"), pictures::PreviewBmp(picture));
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "make_pictures: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
