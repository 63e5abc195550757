// Renders the three built-in tunes into RIFF1.wav, RIFF2.wav and RIFF3.wav
// in the folder given on the command line, for the build to compile into the
// program as its "WAVE" resources.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>

#include "master_bus.h"
#include "sequencer.h"
#include "tunes.h"
#include "wave_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_tunes OUTPUT-FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    struct Entry {
        const char* resource;
        tunes::Tune (*score)();
    };
    const Entry entries[] = {
        {"RIFF1", tunes::Daybreak}, {"RIFF2", tunes::Undertow}, {"RIFF3", tunes::Slipstream}};
    for (const Entry& entry : entries) {
        try {
            std::filesystem::create_directories(folder);
            tunes::StereoLoop mix = tunes::RenderTune(entry.score());
            tunes::WriteFile(folder / (std::string(entry.resource) + ".wav"),
                             tunes::MakeWaveImage(tunes::MasterTo8Bit(std::move(mix))));
        } catch (const std::exception& error) {
            std::cerr << "make_tunes: " << entry.resource << ": " << error.what() << '\n';
            return 1;
        }
    }
    return 0;
}
