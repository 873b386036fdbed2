#include "circuit/DeviceNames.h"

#include <algorithm>
#include <map>
#include <set>

namespace lp {

namespace {

std::string folded(const std::string& name) {
    std::string text = name;
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// Every spelling of the drawing's names, under its folded form.
std::map<std::string, std::set<std::string>> spellings(const Circuit& circuit) {
    std::map<std::string, std::set<std::string>> byFolded;
    for (const Contact& c : circuit.contacts) byFolded[folded(c.name)].insert(c.name);
    for (const Coil& c : circuit.coils) byFolded[folded(c.name)].insert(c.name);
    return byFolded;
}

}  // namespace

void matchDrawingNames(std::vector<Instruction>& lines, const Circuit& circuit) {
    const auto byFolded = spellings(circuit);
    std::map<std::string, std::string> listed;  // names the drawing has not: the list's first spelling
    for (Instruction& in : lines) {
        if (!namesDevice(in.op)) continue;
        const std::string key = folded(in.device);
        if (const auto it = byFolded.find(key); it != byFolded.end()) {
            if (!it->second.count(in.device) && it->second.size() == 1) in.device = *it->second.begin();
            continue;
        }
        in.device = listed.try_emplace(key, in.device).first->second;
    }
}

std::vector<std::vector<std::string>> namesSpelledTwoWays(const Circuit& circuit) {
    std::vector<std::vector<std::string>> groups;
    for (const auto& [key, names] : spellings(circuit))
        if (names.size() > 1) groups.emplace_back(names.begin(), names.end());
    std::sort(groups.begin(), groups.end());
    return groups;
}

std::string twoSpellingsNote(const Circuit& circuit) {
    const auto groups = namesSpelledTwoWays(circuit);
    if (groups.empty()) return {};
    std::string text = "注意：梯形图中 ";
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (g) text += "；";
        for (std::size_t i = 0; i < groups[g].size(); ++i) {
            if (i) text += i + 1 == groups[g].size() ? " 和 " : "、";
            text += groups[g][i];
        }
    }
    text += groups.size() == 1 ? " 只有大小写不同，按不同的器件处理" : " 各组只有大小写不同，按不同的器件处理";
    return text;
}

}  // namespace lp
