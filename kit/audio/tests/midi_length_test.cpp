#include "kit/audio/midi_length.h"

#include "tools/midi/midi_writer.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A file of hand-made track bodies (events without the "MTrk" header).
Bytes file(std::initializer_list<Bytes> bodies, std::uint16_t division = 480) {
    Bytes out;
    const auto put = [&out](std::initializer_list<unsigned> values) {
        for (unsigned value : values)
            out.push_back(static_cast<std::uint8_t>(value));
    };
    put({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, static_cast<unsigned>(bodies.size()),
         static_cast<unsigned>(division >> 8), static_cast<unsigned>(division & 0xff)});
    for (const Bytes& body : bodies) {
        put({'M', 'T', 'r', 'k', 0, 0, 0, static_cast<unsigned>(body.size())});
        for (std::uint8_t byte : body)
            out.push_back(byte);
    }
    return out;
}

TEST(MidiLength, FollowsTempoChangesAcrossTracksToTheLastEndMark) {
    midi::TrackWriter conductor;
    conductor.tempo(0, 120);   // 500 ms a quarter
    conductor.tempo(960, 60);  // 1000 ms a quarter from the third quarter on
    midi::TrackWriter notes;
    notes.note(0, 0, 60, 100, 480);
    const Bytes bytes = midi::encodeFile({conductor.encode(960), notes.encode(1920)}, 480);
    EXPECT_EQ(kit::midiLengthMs(bytes), 1000 + 2000);
}

TEST(MidiLength, ReadsRunningStatusSystemExclusiveAndOneByteMessages) {
    const Bytes body{
        0x00, 0x90, 60,   100,               // note on
        0x60, 62,   100,                     // running status: another note on, 96 ticks later
        0x00, 0xc0, 5,                       // program change: one data byte
        0x00, 0xf0, 0x03, 0x7e, 0x7f, 0xf7,  // system exclusive
        0x83, 0x60, 0x80, 60,   0,           // 480 ticks later (two-byte quantity), note off
        0x00, 0xff, 0x2f, 0x00,
    };
    EXPECT_EQ(kit::midiLengthMs(file({body})), (96 + 480) * 500 / 480);
}

TEST(MidiLength, TimeCodeDivisionCountsFramesNotBeats) {
    const Bytes body{0x81, 0x70, 0xff, 0x2f, 0x00};  // 240 ticks
    // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
    EXPECT_EQ(kit::midiLengthMs(file({body}, static_cast<std::uint16_t>((0xe7 << 8) | 40))), 240);
}

TEST(MidiLength, RefusesWhatIsNotACompleteMidiFile) {
    midi::TrackWriter track;
    track.note(0, 0, 60, 100, 480);
    const Bytes good = midi::encodeFile({track.encode(480)}, 480);
    ASSERT_TRUE(kit::midiLengthMs(good));
    for (std::size_t cut : {good.size() - 1, good.size() - 5, std::size_t{20}, std::size_t{10}})
        EXPECT_FALSE(kit::midiLengthMs(Bytes(good.begin(), good.begin() + cut))) << cut;
    EXPECT_FALSE(kit::midiLengthMs(Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0}));
    EXPECT_FALSE(kit::midiLengthMs(file({Bytes{0x00, 60, 100}})))
        << "running status before any status";
    EXPECT_FALSE(kit::midiFileLengthMs("no-such-file.mid"));
}

}  // namespace
