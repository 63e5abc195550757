// The tracker-style text the tunes are written in. What matters most is how
// long each note sounds, round the loop included: a wrong length is a note
// cut short or one that drones on, and at the loop's seam a click.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "pattern.h"
#include "pitch.h"

namespace {

using tunes::NoteEvent;

TEST(ScoreNotationTest, NoteNamesFollowTheMidiNumbering) {
    EXPECT_EQ(tunes::ParseNoteName("C-4"), 60);
    EXPECT_EQ(tunes::ParseNoteName("A-4"), 69);
    EXPECT_EQ(tunes::ParseNoteName("C#4"), 61);
    EXPECT_EQ(tunes::ParseNoteName("Db4"), 61);
    EXPECT_EQ(tunes::ParseNoteName("B-3"), 59);
    EXPECT_EQ(tunes::ParseNoteName("Cb4"), 59) << "a flat may cross the octave line";
    EXPECT_DOUBLE_EQ(tunes::NoteFrequency(69), 440.0);
    EXPECT_DOUBLE_EQ(tunes::NoteFrequency(57), 220.0);
    for (const char* bad : {"H-4", "C+4", "C-", "c-4", "C-4 "}) {
        EXPECT_THROW(tunes::ParseNoteName(bad), std::invalid_argument) << bad;
    }
}

TEST(ScoreNotationTest, NotesLastUntilTheNextEventRoundTheLoop) {
    const std::vector<NoteEvent> events =
        tunes::ReadMelodicTrack({"... ... C-4/37 ...", "=== E-4 ... G-4"}, 4);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].step, 2);
    EXPECT_EQ(events[0].length, 2) << "ends at the note-off in the next bar";
    EXPECT_EQ(events[0].note, 60);
    EXPECT_EQ(events[0].chord, (std::vector<int>{0, 3, 7}));
    EXPECT_EQ(events[1].length, 2);
    EXPECT_EQ(events[1].chord, std::vector<int>{0});
    EXPECT_EQ(events[2].step, 7);
    EXPECT_EQ(events[2].length, 3) << "held over the seam up to the C";

    const std::vector<NoteEvent> lone =
        tunes::ReadMelodicTrack({"... F-2/AC ...", "... ... ..."}, 3);
    ASSERT_EQ(lone.size(), 1u);
    EXPECT_EQ(lone[0].length, 6) << "a lone note holds for the whole loop";
    EXPECT_EQ(lone[0].chord, (std::vector<int>{0, 10, 12}));
}

TEST(ScoreNotationTest, DrumStepsCarryTheirStrength) {
    const std::vector<tunes::DrumHit> hits = tunes::ReadDrumTrack({"X . x o"}, 4);
    ASSERT_EQ(hits.size(), 3u);
    EXPECT_EQ(hits[0].step, 0);
    EXPECT_EQ(hits[1].step, 2);
    EXPECT_EQ(hits[2].step, 3);
    EXPECT_GT(hits[0].velocity, hits[1].velocity);
    EXPECT_GT(hits[1].velocity, hits[2].velocity);
}

TEST(ScoreNotationTest, MistakesAreReportedWithTheirBar) {
    const auto message = [](auto read) {
        try {
            read();
        } catch (const std::invalid_argument& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([] {
                  tunes::ReadMelodicTrack({"C-4 ...", "C-4 ... ..."}, 2);
              }),
              "bar 2: 3 steps, not 2");
    EXPECT_EQ(message([] { tunes::ReadMelodicTrack({"C-4 C-9/3G"}, 2); }),
              "bar 1: not a chord: \"3G\"");
    EXPECT_EQ(message([] {
                  tunes::ReadDrumTrack({". .", "x -"}, 2);
              }),
              "bar 2: not a drum step: \"-\"");
    EXPECT_EQ(tunes::OnRhythm("x.-x", "A-3/47"), "A-3/47 ... === A-3/47");
    EXPECT_THROW(tunes::OnRhythm("x?", "A-3"), std::invalid_argument);
}

}  // namespace
