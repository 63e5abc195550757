#include "pattern.h"

#include <sstream>
#include <stdexcept>

#include "pitch.h"

namespace tunes {
namespace {

std::vector<std::string> SplitBar(const std::string& bar, int stepsPerBar) {
    std::istringstream in(bar);
    std::vector<std::string> tokens;
    for (std::string token; in >> token;) {
        tokens.push_back(token);
    }
    if (static_cast<int>(tokens.size()) != stepsPerBar) {
        throw std::invalid_argument(std::to_string(tokens.size()) + " steps, not " +
                                    std::to_string(stepsPerBar));
    }
    return tokens;
}

std::vector<int> ParseChord(std::string_view digits) {
    std::vector<int> chord{0};
    for (char digit : digits) {
        if (digit >= '0' && digit <= '9') {
            chord.push_back(digit - '0');
        } else if (digit >= 'A' && digit <= 'F') {
            chord.push_back(digit - 'A' + 10);
        } else {
            throw std::invalid_argument("not a chord: \"" + std::string(digits) + "\"");
        }
    }
    return chord;
}

// What one melodic step says: a note, a note-off, or nothing new.
struct Step {
    enum class Kind { kHold, kOff, kNote } kind;
    int note;
    std::vector<int> chord;
};

Step ParseStep(std::string_view token) {
    if (token == "...") {
        return {Step::Kind::kHold, 0, {}};
    }
    if (token == "===") {
        return {Step::Kind::kOff, 0, {}};
    }
    const auto slash = token.find('/');
    const std::vector<int> chord =
        slash == std::string_view::npos ? std::vector<int>{0} : ParseChord(token.substr(slash + 1));
    return {Step::Kind::kNote, ParseNoteName(token.substr(0, slash)), chord};
}

template <typename Parse>
auto ReadSteps(const std::vector<std::string>& bars, int stepsPerBar, Parse parse) {
    std::vector<decltype(parse(std::string_view{}))> steps;
    for (int b = 0; b < static_cast<int>(bars.size()); ++b) {
        try {
            for (const std::string& token : SplitBar(bars[b], stepsPerBar)) {
                steps.push_back(parse(token));
            }
        } catch (const std::invalid_argument& error) {
            throw std::invalid_argument("bar " + std::to_string(b + 1) + ": " + error.what());
        }
    }
    return steps;
}

}  // namespace

std::vector<NoteEvent> ReadMelodicTrack(const std::vector<std::string>& bars, int stepsPerBar) {
    const std::vector<Step> steps = ReadSteps(bars, stepsPerBar, ParseStep);
    const int total = static_cast<int>(steps.size());
    std::vector<NoteEvent> events;
    for (int s = 0; s < total; ++s) {
        if (steps[s].kind != Step::Kind::kNote) {
            continue;
        }
        // Look for the next event round the loop; a lone note is held for
        // the whole tune.
        int length = 1;
        while (length < total && steps[(s + length) % total].kind == Step::Kind::kHold) {
            ++length;
        }
        events.push_back({s, length, steps[s].note, steps[s].chord});
    }
    return events;
}

std::vector<DrumHit> ReadDrumTrack(const std::vector<std::string>& bars, int stepsPerBar) {
    const std::vector<double> velocities = ReadSteps(bars, stepsPerBar, [](std::string_view token) {
        if (token == "X") {
            return 1.0;
        }
        if (token == "x") {
            return 0.75;
        }
        if (token == "o") {
            return 0.4;
        }
        if (token == ".") {
            return 0.0;
        }
        throw std::invalid_argument("not a drum step: \"" + std::string(token) + "\"");
    });
    std::vector<DrumHit> hits;
    for (int s = 0; s < static_cast<int>(velocities.size()); ++s) {
        if (velocities[s] > 0.0) {
            hits.push_back({s, velocities[s]});
        }
    }
    return hits;
}

std::string OnRhythm(std::string_view rhythm, std::string_view token) {
    std::string bar;
    for (char step : rhythm) {
        if (!bar.empty()) {
            bar += ' ';
        }
        switch (step) {
            case 'x':
                bar += token;
                break;
            case '.':
                bar += "...";
                break;
            case '-':
                bar += "===";
                break;
            default:
                throw std::invalid_argument("not a rhythm step: '" + std::string(1, step) + "'");
        }
    }
    return bar;
}

}  // namespace tunes
