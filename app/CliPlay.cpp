// The play session of tarvelle-cli: a dealt game played by commands read one a line.
#include "app/CliPlay.h"

#include <istream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/PlayerMoves.h"
#include "engine/Scoring.h"
#include "engine/Table.h"
#include "records/Numbers.h"
#include "records/Undo.h"

namespace tarvelle {

namespace {

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// A card code of three digits, 001 to 108.
std::optional<int> cardCode(const std::string& text) {
    const int code = codeOf(text);
    if (code < 1 || code > kCardCodes) return std::nullopt;
    return code;
}

class Session {
public:
    Session(EngineState& state, std::ostream& out) : s_(state), out_(out) {}

    void run(const std::vector<std::string>& w) {
        const std::string& command = w[0];
        if (command == "move") return move(w);
        if (command == "click") return click(w);
        if (command == "dblclick" || command == "rclick") return automatic(w);
        if (command == "autoplay") return autoplay(w);
        if (command == "undo" || command == "redo") return step(w);
        if (command == "legal") return legal(w);
        if (command == "show") return show(w);
        if (command == "state") return state(w);
        error("unknown command " + command);
    }

private:
    void answer(bool ok) { out_ << (ok ? "ok" : "refused") << "\n"; }
    void error(const std::string& reason) { out_ << "error: " << reason << "\n"; }
    bool arguments(const std::vector<std::string>& w, size_t n, const char* usage) {
        if (w.size() == n + 1) return true;
        error(std::string("usage: ") + usage);
        return false;
    }

    std::optional<int> card(const std::string& text) {
        auto code = cardCode(text);
        if (!code) error("not a card code: " + text);
        return code;
    }

    bool pile(const std::string& key) {
        if (parsePileKey(key)) return true;
        error("not a pile: " + key);
        return false;
    }

    void move(const std::vector<std::string>& w) {
        if (!arguments(w, 2, "move CODE KEY")) return;
        auto code = card(w[1]);
        if (!code || !pile(w[2])) return;
        noteResult(playerMove(s_, *code, w[2]));
    }

    void click(const std::vector<std::string>& w) {
        if (!arguments(w, 1, "click KEY") || !pile(w[1])) return;
        noteResult(playerClick(s_, w[1]));
    }

    void automatic(const std::vector<std::string>& w) {
        if (!arguments(w, 1, w[0] == "dblclick" ? "dblclick CODE" : "rclick CODE")) return;
        auto code = card(w[1]);
        if (!code) return;
        noteResult(w[0] == "dblclick" ? playerDoubleClick(s_, *code) : playerRightClick(s_, *code));
    }

    void autoplay(const std::vector<std::string>& w) {
        if (!arguments(w, 1, "autoplay on|off")) return;
        if (w[1] != "on" && w[1] != "off") return error("autoplay is on or off, not " + w[1]);
        s_.autoplayChecked = w[1] == "on";
        answer(true);
    }

    void step(const std::vector<std::string>& w) {
        if (!arguments(w, 0, w[0] == "undo" ? "undo" : "redo")) return;
        answer(w[0] == "undo" ? undo(s_) : redo(s_));
    }

    void legal(const std::vector<std::string>& w) {
        if (!arguments(w, 0, "legal")) return;
        for (const LegalMove& m : legalMoves(s_)) out_ << codeText(m.card) << " " << m.key << "\n";
        out_ << ".\n";
        for (const std::string& key : legalClicks(s_)) out_ << "click " << key << "\n";
        out_ << ".\n";
    }

    void show(const std::vector<std::string>& w) {
        if (!arguments(w, 0, "show")) return;
        for (const std::string& line : buildSnapshot(s_)) out_ << line << "\n";
        out_ << ".\n";
    }

    void state(const std::vector<std::string>& w) {
        if (!arguments(w, 0, "state")) return;
        const bool won = s_.flags[Flag::Won] || (s_.flags[Flag::Ended] && lastWon_);
        out_ << "won=" << (won ? "Y" : "N") << " score=" << currentScore(s_) << " deals=" << s_.catalogue.dealsMade()
             << " moves=" << s_.catalogue.movesMade() << " undo=" << s_.undoLog.stepCount()
             << " redo=" << s_.redoLog.stepCount() << "\n";
    }

    // The end of a won game clears the won flag; the session remembers the result.
    void noteResult(bool ok) {
        if (s_.flags[Flag::Ended] && !endSeen_) {
            endSeen_ = true;
            lastWon_ = winTest(s_);
        }
        answer(ok);
    }

    EngineState& s_;
    std::ostream& out_;
    bool endSeen_ = false;
    bool lastWon_ = false;
};

}  // namespace

int playSession(EngineState& state, std::istream& in, std::ostream& out) {
    state.autoplayChecked = false;
    Session session(state, out);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto words = wordsOf(line);
        if (words.empty()) continue;
        session.run(words);
        out.flush();
    }
    return 0;
}

}  // namespace tarvelle
