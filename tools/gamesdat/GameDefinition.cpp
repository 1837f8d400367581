// Game definition files: one short, readable file per game, compiled into the
// stored form of GAMES.DAT and decoded back from it.
#include "tools/gamesdat/GameDefinition.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "engine/GamesFile.h"
#include "records/Files.h"
#include "records/Numbers.h"

namespace tarvelle::gamedefs {

namespace {

constexpr int kLastStoredParameter = kRuleCount - 1;
constexpr std::string_view kPreamble = "Tarvelle rule file: the game list, the rule columns and the game groups.";

// Words for the four group values.
struct GroupWords {
    int index;
    std::vector<std::string_view> words;  // word i stands for value i
};

const std::vector<GroupWords>& groupWords() {
    static const std::vector<GroupWords> words{
        {rule::GroupTime, {"long", "medium", "quick"}},
        {rule::GroupDifficulty, {"easy", "medium", "hard"}},
        {rule::GroupSkill, {"difficult", "mostly_skill", "moderate", "mostly_chance", "chance_only"}},
        {rule::GroupChance, {"very_high", "high", "medium", "low", "very_low"}},
    };
    return words;
}

const GroupWords* groupWordsOf(int index) {
    for (const auto& g : groupWords())
        if (g.index == index) return &g;
    return nullptr;
}

// Limits of the values that the stored form and the engine can take.
struct Range {
    int index;
    int low, high;
};

constexpr Range kRanges[] = {
    {rule::Foundations, 0, 16},
    {rule::TableauPiles, 0, 28},
    {rule::Reserves, 0, 8},
    {rule::StockPiles, 0, 2},
    {rule::SecondWastePiles, 0, 1},
    {rule::DeckCards, 1, 104},
    {rule::Jokers, 0, 4},
    {rule::GroupTime, 0, 2},
    {rule::GroupDifficulty, 0, 2},
    {rule::GroupSkill, 0, 4},
    {rule::GroupChance, 0, 4},
    {rule::StockStyle, 0, 134},
    {rule::FoundationStyle, 0, 134},
    {rule::TableauStyle, 0, 134},
    {rule::ReserveStyle, 0, 134},
    {rule::SecondWasteStyle, 0, 134},
    {rule::StockRow, 0, 9},
    {rule::FoundationRow, 0, 9},
    {rule::TableauRow, 0, 9},
    {rule::ReserveRow, 0, 9},
    {rule::SecondWasteRow, 0, 9},
};

int pileCountOf(const std::array<int, kRuleCount>& values, PileGroup group) {
    switch (group) {
        case PileGroup::Foundations: return values[rule::Foundations];
        case PileGroup::Tableau: return values[rule::TableauPiles];
        case PileGroup::Reserves: return values[rule::Reserves];
        case PileGroup::None: return 1;
    }
    return 1;
}

std::string where(std::string_view source, int line) {
    return std::string(source) + ":" + std::to_string(line) + ": ";
}

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> out;
    std::istringstream in{std::string(text)};
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// A value by name: a number, or a group word.
std::optional<long long> valueOf(const RuleName& name, std::string_view word) {
    if (const GroupWords* g = groupWordsOf(name.first)) {
        for (size_t i = 0; i < g->words.size(); ++i)
            if (word == g->words[i]) return static_cast<long long>(i);
    }
    auto v = parseInteger(word);
    if (!v || word.starts_with("0x") || word.starts_with("$") || word.starts_with(" ")) return std::nullopt;
    return *v;
}

bool isStorableName(std::string_view name) {
    if (name.empty() || name.size() > 50 || name.front() == ' ' || name.back() == ' ') return false;
    return std::all_of(name.begin(), name.end(), [](char c) { return c >= 32 && c <= 126; });
}

// The label of a [Sect2] line: the parameter's name, with the pile number in a block.
std::string ruleLabel(int index) {
    std::string label;
    if (const RuleName* n = ruleNameOf(index)) {
        label = std::string(n->name);
        if (n->count > 1) label += "#" + std::to_string(index - n->first + 1);
    } else {
        label = "p" + std::to_string(index);
    }
    if (label.size() > 11) label = label.substr(0, 11);
    label.resize(11, ' ');
    return label;
}

}  // namespace

std::vector<int> expandList(const std::vector<int>& list, int pileCount, int blockSize) {
    std::vector<int> out(static_cast<size_t>(blockSize), 0);
    const int filled = std::min(blockSize, std::max(pileCount, static_cast<int>(list.size())));
    for (int i = 0; i < filled && !list.empty(); ++i)
        out[static_cast<size_t>(i)] = i < static_cast<int>(list.size()) ? list[static_cast<size_t>(i)] : list.back();
    return out;
}

std::optional<GameDefinition> parseDefinition(std::string_view text, std::string_view source, Error& error) {
    GameDefinition game;
    game.source = std::string(source);
    enum class Part { None, Game, Rules, Help } part = Part::None;
    std::set<std::string> seen;
    struct PendingList {
        const RuleName* name;
        std::vector<int> values;
        int line;
    };
    std::vector<PendingList> lists;
    std::vector<std::string> help;
    bool sawId = false, sawName = false, sawType = false;
    int lineNumber = 0;
    auto fail = [&](const std::string& message) {
        error.message = where(source, lineNumber) + message;
        return std::nullopt;
    };

    for (const std::string& raw : files::splitLines(text)) {
        ++lineNumber;
        std::string_view line = trim(raw);
        if (part == Part::Help && line != "[game]" && line != "[rules]") {
            help.push_back(std::string(trimRight(raw)));
            continue;
        }
        if (line.empty() || line.front() == '#') continue;
        if (line == "[game]") { part = Part::Game; continue; }
        if (line == "[rules]") { part = Part::Rules; continue; }
        if (line == "[help]") { part = Part::Help; continue; }
        if (line.front() == '[') return fail("unknown section " + std::string(line));
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) return fail("expected key = value");
        const std::string key(trim(line.substr(0, eq)));
        const std::string value(trim(line.substr(eq + 1)));
        if (!seen.insert(key).second) return fail("the key " + key + " is given twice");

        if (part == Part::Game) {
            if (key == "id") {
                auto v = parseInteger(value);
                if (!v || !isDigits(value) || *v > 999) return fail("the id must be a number from 0 to 999");
                game.id = static_cast<int>(*v);
                sawId = true;
            } else if (key == "name") {
                if (!isStorableName(value))
                    return fail("the name must be 1 to 50 plain characters (no accents)");
                game.name = value;
                sawName = true;
            } else if (key == "type") {
                auto v = parseInteger(value);
                if (!v || !isDigits(value) || *v > 999) return fail("the type must be a number from 0 to 999");
                game.type = static_cast<int>(*v);
                sawType = true;
            } else if (key == "marks") {
                for (const auto& w : words(value)) {
                    if (w == "hidden") game.hidden = true;
                    else if (w == "wide") game.wide = true;
                    else if (w == "new") game.isNew = true;
                    else return fail("unknown mark " + w + " (hidden, wide, new)");
                }
            } else if (key == "groups") {
                for (const auto& w : words(value)) {
                    if (w == "selected") game.selected = true;
                    else if (w == "original") game.original = true;
                    else if (w == "children") game.children = true;
                    else return fail("unknown group " + w + " (selected, original, children)");
                }
            } else {
                return fail("unknown key " + key + " in [game]");
            }
            continue;
        }
        if (part != Part::Rules) return fail("a key outside [game] and [rules]");

        const RuleName* name = nullptr;
        int unnamedIndex = -1;
        for (const RuleName& n : ruleNames())
            if (n.name == key) name = &n;
        if (!name) {
            if (key.size() > 1 && key[0] == 'p' && isDigits(key.substr(1))) {
                auto v = parseInteger(key.substr(1));
                unnamedIndex = v && *v <= 9999 ? static_cast<int>(*v) : -1;
                if (unnamedIndex < 1 || unnamedIndex > kLastStoredParameter)
                    return fail("parameter " + key.substr(1) + " does not exist (1 to 373)");
                if (ruleNameOf(unnamedIndex))
                    return fail("parameter " + key.substr(1) + " has a name: " + std::string(ruleNameOf(unnamedIndex)->name));
            } else {
                return fail("unknown rule " + key);
            }
        }
        std::vector<int> numbers;
        for (const auto& w : words(value)) {
            std::optional<long long> v = name ? valueOf(*name, w) : std::optional<long long>(parseInteger(w));
            if (!v) return fail("the value " + w + " of " + key + " is not a number");
            if (*v < -32768 || *v > 32767) return fail("the value " + w + " of " + key + " does not fit in 16 bits");
            numbers.push_back(static_cast<int>(*v));
        }
        if (numbers.empty()) return fail(key + " has no value");
        const int count = name ? name->count : 1;
        if (static_cast<int>(numbers.size()) > count)
            return fail(key + " takes " + (count == 1 ? std::string("one value") : "at most " + std::to_string(count) + " values"));
        if (unnamedIndex >= 0) game.values[static_cast<size_t>(unnamedIndex)] = numbers[0];
        else if (count == 1) game.values[static_cast<size_t>(name->first)] = numbers[0];
        else lists.push_back({name, std::move(numbers), lineNumber});
    }

    if (!sawId) return fail("the [game] section needs an id");
    if (!sawName) return fail("the [game] section needs a name");
    if (!sawType) return fail("the [game] section needs a type");
    for (const Range& r : kRanges) {
        const int v = game.values[static_cast<size_t>(r.index)];
        if (v < r.low || v > r.high) {
            lineNumber = 0;
            return fail(std::string(ruleNameOf(r.index)->name) + " must lie from " + std::to_string(r.low) +
                        " to " + std::to_string(r.high));
        }
    }
    if (int deck = game.values[rule::DeckCards]; !game.hidden && deck != 104 && deck > 52) {
        lineNumber = 0;
        return fail("deck_cards must be at most 52, or 104");
    }
    for (const auto& l : lists) {
        const int piles = pileCountOf(game.values, l.name->group);
        auto expanded = expandList(l.values, piles, l.name->count);
        for (int i = 0; i < l.name->count; ++i)
            game.values[static_cast<size_t>(l.name->first + i)] = expanded[static_cast<size_t>(i)];
    }
    while (!help.empty() && help.back().empty()) help.pop_back();
    auto firstText = std::find_if(help.begin(), help.end(), [](const std::string& s) { return !s.empty(); });
    help.erase(help.begin(), firstText);
    for (const auto& h : help) game.help += h + "\n";
    return game;
}

std::string formatDefinition(const GameDefinition& game) {
    std::ostringstream out;
    out << "# " << game.name << "\n[game]\n";
    out << "id = " << game.id << "\n";
    out << "name = " << game.name << "\n";
    out << "type = " << game.type << "\n";
    std::string marks;
    if (game.hidden) marks += " hidden";
    if (game.wide) marks += " wide";
    if (game.isNew) marks += " new";
    if (!marks.empty()) out << "marks =" << marks << "\n";
    std::string groups;
    if (game.selected) groups += " selected";
    if (game.original) groups += " original";
    if (game.children) groups += " children";
    if (!groups.empty()) out << "groups =" << groups << "\n";

    if (!game.hidden) {
        out << "\n[rules]\n";
        for (int index = 1; index <= kLastStoredParameter;) {
            const RuleName* name = ruleNameOf(index);
            if (!name) {
                if (int v = game.values[static_cast<size_t>(index)]; v != 0) out << "p" << index << " = " << v << "\n";
                ++index;
                continue;
            }
            const auto first = game.values.begin() + name->first;
            std::vector<int> block(first, first + name->count);
            index = name->first + name->count;
            if (std::all_of(block.begin(), block.end(), [](int v) { return v == 0; })) continue;
            out << name->name << " =";
            if (name->count == 1) {
                const GroupWords* g = groupWordsOf(name->first);
                if (g && block[0] >= 0 && block[0] < static_cast<int>(g->words.size()))
                    out << " " << g->words[static_cast<size_t>(block[0])];
                else
                    out << " " << block[0];
            } else {
                // The shortest list that expands to the block.
                const int piles = pileCountOf(game.values, name->group);
                size_t length = 1;
                while (expandList(std::vector<int>(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(length)), piles, name->count) != block)
                    ++length;
                for (size_t i = 0; i < length; ++i) out << " " << block[i];
            }
            out << "\n";
        }
    }
    if (!game.help.empty()) out << "\n[help]\n" << game.help;
    return out.str();
}

bool checkCollection(const std::vector<GameDefinition>& games, Error& error) {
    std::map<int, std::string> ids;
    std::map<std::string, std::string> names;
    for (const auto& g : games) {
        if (auto [at, fresh] = ids.emplace(g.id, g.source); !fresh) {
            error.message = g.source + ": the id " + std::to_string(g.id) + " is used by " + at->second + " too";
            return false;
        }
        if (auto [at, fresh] = names.emplace(toLowerAscii(g.name), g.source); !fresh) {
            error.message = g.source + ": the name " + g.name + " is used by " + at->second + " too";
            return false;
        }
    }
    return true;
}

std::string encodeGamesDat(std::vector<GameDefinition> games) {
    std::sort(games.begin(), games.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
    std::vector<std::string> lines;
    lines.emplace_back(kPreamble);
    lines.emplace_back("[Sect1]");
    std::vector<const GameDefinition*> columns;
    for (const auto& g : games) {
        std::string type = std::to_string(g.type);
        type.resize(3, ' ');
        std::string name = g.name;
        name.resize(50, ' ');
        std::string plain = type + " " + formatFixed(g.id, 3) + (g.hidden ? '9' : '0') +
                            (g.wide ? '1' : '0') + (g.isNew ? '1' : '0') + name;
        lines.push_back(gamesfile::shift(trimRight(plain)));
        if (!g.hidden) columns.push_back(&g);
    }
    lines.emplace_back("[Sect2]");
    for (int index = 1; index <= kLastStoredParameter; ++index) {
        std::string line = formatFixed(index, 4) + " " + gamesfile::shift(ruleLabel(index));
        for (const GameDefinition* g : columns) {
            std::string value = std::to_string(g->values[static_cast<size_t>(index)]);
            value.resize(gamesfile::kValueWidth, ' ');
            line += gamesfile::shift(value) + gamesfile::shift(" ");
        }
        lines.push_back(line);
    }
    auto group = [&](std::string_view header, bool GameDefinition::*member) {
        lines.emplace_back(header);
        for (const auto& g : games)
            if (g.*member) lines.push_back(gamesfile::shift(std::to_string(g.id)));
    };
    group("[SectS]", &GameDefinition::selected);
    group("[SectO]", &GameDefinition::original);
    group("[SectK]", &GameDefinition::children);
    return files::joinLines(lines);
}

std::optional<std::vector<GameDefinition>> decodeGamesDat(std::string_view text, Error& error) {
    const auto sections = gamesfile::splitSections(files::splitLines(text));
    if (!sections.hasGameList || !sections.hasRules) {
        error.message = "the file has no [Sect1] or no [Sect2] section";
        return std::nullopt;
    }
    std::vector<GameDefinition> games;
    std::vector<size_t> columns;
    for (const auto& stored : sections.gameList) {
        if (stored.empty()) continue;
        const std::string plain = gamesfile::shift(stored);
        GameDefinition g;
        auto field = [&](size_t first, size_t count) {
            return first < plain.size() ? std::string(trimRight(plain.substr(first, count))) : std::string();
        };
        auto id = parseInteger(field(4, 3));
        auto type = parseInteger(field(0, 3));
        if (!id || !type) {
            error.message = "a game line has no id or type: " + plain;
            return std::nullopt;
        }
        g.id = static_cast<int>(*id);
        g.type = static_cast<int>(*type);
        g.hidden = plain.size() > 7 && plain[7] == '9';
        g.wide = plain.size() > 8 && plain[8] == '1';
        g.isNew = plain.size() > 9 && plain[9] == '1';
        g.name = field(10, 50);
        g.source = "GAMES.DAT";
        if (!g.hidden) columns.push_back(games.size());
        games.push_back(std::move(g));
    }
    for (const auto& line : sections.rules) {
        if (line.empty()) continue;
        auto index = gamesfile::ruleIndex(line);
        if (!index || *index >= kRuleCount) {
            error.message = "a rule line has no parameter index: " + line.substr(0, 16);
            return std::nullopt;
        }
        for (size_t c = 0; c < columns.size(); ++c) {
            auto v = gamesfile::ruleValue(line, static_cast<int>(c));
            if (!v) {
                error.message = "parameter " + std::to_string(*index) + " of " + games[columns[c]].name + " is not a number";
                return std::nullopt;
            }
            games[columns[c]].values[static_cast<size_t>(*index)] = static_cast<std::int16_t>(*v);
        }
    }
    auto mark = [&](const std::vector<std::string>& lines, bool GameDefinition::*member) {
        for (int id : gamesfile::groupIds(lines))
            for (auto& g : games)
                if (g.id == id) g.*member = true;
    };
    mark(sections.selected, &GameDefinition::selected);
    mark(sections.original, &GameDefinition::original);
    mark(sections.children, &GameDefinition::children);
    return games;
}

std::string definitionFileName(const GameDefinition& game) {
    std::string stem;
    for (char c : toLowerAscii(game.name)) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) stem += c;
        else if (!stem.empty() && stem.back() != '-') stem += '-';
    }
    while (!stem.empty() && stem.back() == '-') stem.pop_back();
    return formatFixed(game.id, 3) + "-" + stem + ".game";
}

}  // namespace tarvelle::gamedefs
