#include "tools/midi/tune.h"

#include "tools/midi/midi_writer.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>
#include <stdexcept>

namespace midi {
namespace {

constexpr int kDivision = 480;

const std::map<std::string, int, std::less<>> kDrums = {
    {"kick", 36}, {"rim", 37},     {"snare", 38},  {"clap", 39}, {"hat", 42},      {"phat", 44},
    {"ohat", 46}, {"tom1", 50},    {"tom2", 47},   {"tom3", 43}, {"crash", 49},    {"ride", 51},
    {"tamb", 54}, {"cowbell", 56}, {"shaker", 70}, {"wood", 76}, {"triangle", 81},
};

[[noreturn]] void fail(int line, const std::string& what) {
    throw std::runtime_error("line " + std::to_string(line) + ": " + what);
}

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> out;
    std::istringstream in{std::string(text)};
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

int number(std::string_view text, int line) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        fail(line, "not a number: " + std::string(text));
    return value;
}

int pitch(std::string_view text, bool drums, int line) {
    if (drums) {
        if (const auto found = kDrums.find(text); found != kDrums.end())
            return found->second;
    }
    if (text.size() > 1 && text[0] == 'n')
        return number(text.substr(1), line);
    static constexpr int kLetters[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    if (text.empty() || text[0] < 'a' || text[0] > 'g')
        fail(line, "not a note: " + std::string(text));
    int key = kLetters[text[0] - 'a'];
    std::size_t at = 1;
    if (at < text.size() && (text[at] == '#' || text[at] == 'b')) {
        key += text[at] == '#' ? 1 : -1;
        ++at;
    }
    const int octave = number(text.substr(at), line);
    key += 12 * (octave + 1);  // c4 is key 60
    if (key < 0 || key > 127)
        fail(line, "note out of range: " + std::string(text));
    return key;
}

// Expands "[ a b ]xN" groups, nested as deep as needed.
std::vector<std::string> expand(const std::vector<std::string>& tokens, std::size_t& at, int line,
                                bool inGroup) {
    std::vector<std::string> out;
    while (at < tokens.size()) {
        const std::string& token = tokens[at++];
        if (token == "[") {
            const auto group = expand(tokens, at, line, true);
            const std::string& close = tokens[at - 1];
            const int times =
                close.size() > 2 ? number(std::string_view(close).substr(2), line) : 1;
            for (int i = 0; i < times; ++i)
                out.insert(out.end(), group.begin(), group.end());
        } else if (token.rfind("]", 0) == 0) {
            if (!inGroup || (token.size() > 1 && token.rfind("]x", 0) != 0))
                fail(line, "unexpected " + token);
            return out;
        } else if (token != "|") {
            out.push_back(token);
        }
    }
    if (inGroup)
        fail(line, "a group is not closed");
    return out;
}

struct VoiceCursor {
    std::uint32_t step = 0;
    std::uint32_t length = 0;
};

void addNotes(Section& section, const Voice& voice, VoiceCursor& cursor,
              const std::vector<std::string>& tokens, int line) {
    auto& notes = section.notes[voice.name];
    for (std::string_view token : tokens) {
        int velocity = 88;
        if (!token.empty() && (token[0] == '!' || token[0] == '?')) {
            velocity = token[0] == '!' ? 112 : 62;
            token.remove_prefix(1);
        }
        if (const auto slash = token.find('/'); slash != std::string_view::npos) {
            const int length = number(token.substr(slash + 1), line);
            if (length <= 0)
                fail(line, "a length must be positive");
            cursor.length = static_cast<std::uint32_t>(length);
            token = token.substr(0, slash);
        }
        if (cursor.length == 0)
            fail(line, "the first note of a voice needs a length");
        Note note{cursor.step, cursor.length, {}, velocity};
        if (token != "r") {
            for (std::size_t begin = 0; begin <= token.size();) {
                const auto plus = std::min(token.find('+', begin), token.size());
                note.keys.push_back(pitch(token.substr(begin, plus - begin), voice.drums, line));
                begin = plus + 1;
            }
            notes.push_back(note);
        }
        cursor.step += cursor.length;
    }
    section.length = std::max(section.length, cursor.step);
}

void parseVoice(Tune& tune, const std::vector<std::string>& w, int line) {
    if (w.size() < 2)
        fail(line, "a voice needs a name");
    Voice voice;
    voice.name = w[1];
    for (std::size_t i = 2; i < w.size(); ++i) {
        const std::string& key = w[i];
        if (key == "drums") {
            voice.drums = true;
            voice.channel = 9;
            continue;
        }
        if (i + 1 >= w.size())
            fail(line, key + " needs a value");
        const std::string& value = w[++i];
        if (key == "channel")
            voice.channel = number(value, line);
        else if (key == "program")
            voice.program = number(value, line);
        else if (key == "volume")
            voice.volume = number(value, line);
        else if (key == "pan")
            voice.pan = number(value, line);
        else if (key == "reverb")
            voice.reverb = number(value, line);
        else if (key == "gate")
            voice.gate = number(value, line) / 100.0;
        else
            fail(line, "unknown voice setting " + key);
    }
    tune.voices.push_back(voice);
}

// A '#' at the start of a line or after a space begins a comment; one inside a
// word is a sharp.
std::string withoutComment(const std::string& raw) {
    for (std::size_t i = 0; i < raw.size(); ++i)
        if (raw[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(raw[i - 1]))))
            return raw.substr(0, i);
    return raw;
}

std::size_t sectionIndex(const Tune& tune, std::string_view name, int line) {
    for (std::size_t i = 0; i < tune.sections.size(); ++i)
        if (tune.sections[i].name == name)
            return i;
    fail(line, "no section " + std::string(name));
}

}  // namespace

// Every voice of a section must fill it exactly: a voice that comes out short or long
// is a miscounted bar, which would shift it against the others.
void checkSection(const Section& section, const std::map<std::string, VoiceCursor>& cursors,
                  int line) {
    for (const auto& [voice, cursor] : cursors)
        if (cursor.step != section.length)
            fail(line, "in section " + section.name + ", voice " + voice + " lasts " +
                           std::to_string(cursor.step) + " steps, the section " +
                           std::to_string(section.length));
}

Tune parseTune(std::string_view text) {
    Tune tune;
    std::map<std::string, VoiceCursor> cursors;
    std::istringstream in{std::string(text)};
    int line = 0;
    for (std::string raw; std::getline(in, raw);) {
        ++line;
        raw = withoutComment(raw);
        const auto w = words(raw);
        if (w.empty())
            continue;
        if (w[0] == "title") {
            tune.title = raw.substr(raw.find("title") + 6);
        } else if (w[0] == "tempo" && w.size() == 2) {
            tune.tempo = number(w[1], line);
        } else if (w[0] == "step" && w.size() == 2) {
            tune.stepsPerQuarter = number(w[1], line);
            if (tune.stepsPerQuarter <= 0 || kDivision % tune.stepsPerQuarter != 0)
                fail(line, "steps per quarter must divide 480");
        } else if (w[0] == "accent" && w.size() == 2) {
            tune.accentSteps = number(w[1], line);
        } else if (w[0] == "voice") {
            parseVoice(tune, w, line);
        } else if (w[0] == "section" && w.size() == 2) {
            if (!tune.sections.empty())
                checkSection(tune.sections.back(), cursors, line);
            tune.sections.push_back({w[1], {}, 0});
            cursors.clear();
        } else if (w[0] == "play") {
            if (!tune.sections.empty())
                checkSection(tune.sections.back(), cursors, line);
            cursors.clear();
            for (std::size_t i = 1; i < w.size(); ++i) {
                const auto caret = w[i].find('^');
                Play play{sectionIndex(tune, std::string_view(w[i]).substr(0, caret), line), 0};
                if (caret != std::string::npos)
                    play.transpose = number(std::string_view(w[i]).substr(caret + 1), line);
                tune.order.push_back(play);
            }
        } else if (w[0].back() == ':') {
            if (tune.sections.empty())
                fail(line, "notes outside a section");
            const std::string name = w[0].substr(0, w[0].size() - 1);
            const auto voice = std::find_if(tune.voices.begin(), tune.voices.end(),
                                            [&](const Voice& v) { return v.name == name; });
            if (voice == tune.voices.end())
                fail(line, "no voice " + name);
            std::size_t at = 1;
            const auto tokens = expand(w, at, line, false);
            addNotes(tune.sections.back(), *voice, cursors[name], tokens, line);
        } else {
            fail(line, "cannot read: " + w[0]);
        }
    }
    if (tune.order.empty())
        fail(line, "nothing to play");
    return tune;
}

double tuneSeconds(const Tune& tune) {
    double steps = 0;
    for (const Play& play : tune.order)
        steps += tune.sections[play.section].length;
    return steps / tune.stepsPerQuarter * 60.0 / tune.tempo;
}

std::vector<std::uint8_t> renderTune(const Tune& tune) {
    const std::uint32_t ticksPerStep = kDivision / tune.stepsPerQuarter;
    std::uint32_t total = 0;
    for (const Play& play : tune.order)
        total += tune.sections[play.section].length * ticksPerStep;

    std::vector<std::vector<std::uint8_t>> tracks;
    TrackWriter conductor;
    conductor.name(0, tune.title);
    conductor.tempo(0, tune.tempo);
    tracks.push_back(conductor.encode(total));

    for (const Voice& voice : tune.voices) {
        TrackWriter track;
        track.name(0, voice.name);
        if (!voice.drums)
            track.program(0, voice.channel, voice.program);
        track.control(0, voice.channel, 7, voice.volume);
        track.control(0, voice.channel, 10, voice.pan);
        track.control(0, voice.channel, 91, voice.reverb);
        std::uint32_t offset = 0;
        for (const Play& play : tune.order) {
            const Section& section = tune.sections[play.section];
            if (const auto notes = section.notes.find(voice.name); notes != section.notes.end()) {
                for (const Note& note : notes->second) {
                    const std::uint32_t tick = offset + note.step * ticksPerStep;
                    const int accent =
                        tune.accentSteps > 0 ? tune.accentSteps : tune.stepsPerQuarter;
                    const bool onBeat = note.step % static_cast<std::uint32_t>(accent) == 0;
                    const int velocity = note.velocity + (onBeat ? 6 : 0);
                    const auto length = static_cast<std::uint32_t>(std::max(
                        1.0, note.length * ticksPerStep * (voice.drums ? 0.5 : voice.gate)));
                    for (int key : note.keys)
                        track.note(tick, voice.channel, voice.drums ? key : key + play.transpose,
                                   velocity, length);
                }
            }
            offset += section.length * ticksPerStep;
        }
        tracks.push_back(track.encode(total));
    }
    return encodeFile(tracks, kDivision);
}

}  // namespace midi
