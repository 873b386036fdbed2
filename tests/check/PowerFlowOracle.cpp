#include "PowerFlowOracle.h"

#include <algorithm>
#include <deque>
#include <set>
#include <tuple>

namespace lp::test {

namespace {

constexpr int kN = 1, kS = 2, kW = 4, kE = 8;
constexpr int kLead = 51;

int idx(int row, int col) { return row * 73 + col; }
constexpr int kCellSlots = 262 * 73;

int glyphArms(const std::string& t, bool graphics) {
    if (t == "┃") return kN | kS;
    if (!graphics) return 0;
    if (t == "━") return kW | kE;
    if (t == "┣") return kN | kS | kE;
    if (t == "┫") return kN | kS | kW;
    if (t == "┛") return kN | kW;
    if (t == "┗") return kN | kE;
    if (t == "┻") return kN | kW | kE;
    if (t == "┳") return kS | kW | kE;
    if (t == "╋") return kN | kS | kW | kE;
    return 0;
}

}  // namespace

PowerFlowOracle::PowerFlowOracle(const Sheet& sheet, int curRow, int curCol)
    : sheet_(sheet), plateOrType_(kCellSlots, 0) {
    const char* endCells[] = {"┣", "━", "━", "━", "（", "E", "N", "D", "）", "     "};
    for (int row = 1; row <= 260; ++row)
        if (!sheet.rowIsBlank(row)) lastRow_ = row;
    endDrawn_ = true;
    for (int i = 0; i < 10; ++i)
        if (sheet.cell(curRow, curCol + i) != endCells[i]) endDrawn_ = false;

    for (int row = 2; row <= 260; row += 2) {
        for (int slot = 1; slot + 3 <= 72; slot += 5) {
            const std::string& l = sheet.cell(row, slot + 1);
            const std::string& t = sheet.cell(row, slot + 2);
            const std::string& r = sheet.cell(row, slot + 3);
            if ((l == "┥" || l == "┫") && (t == "  " || t == "╱") && (r == "┝" || r == "┣")) {
                switches_.push_back({row, slot, sheet.cell(row - 1, slot + 1), t == "╱"});
                plateOrType_[static_cast<std::size_t>(idx(row, slot + 1))] = 1;
                plateOrType_[static_cast<std::size_t>(idx(row, slot + 2))] = 2;
                plateOrType_[static_cast<std::size_t>(idx(row, slot + 3))] = 3;
            }
        }
        if (sheet.cell(row, 52) == "（" && sheet.cell(row, 54) == "）")
            coils_.push_back({row, sheet.cell(row - 1, 53)});
    }
    findRungs();
}

bool PowerFlowOracle::isPlateOrType(int row, int col) const {
    return Sheet::inside(row, col) && plateOrType_[static_cast<std::size_t>(idx(row, col))] != 0;
}

int PowerFlowOracle::arms(int row, int col) const {
    if (!Sheet::inside(row, col)) return 0;
    switch (plateOrType_[static_cast<std::size_t>(idx(row, col))]) {
    case 1: return kW;
    case 2: return 0;
    case 3: return kE;
    default: return glyphArms(sheet_.cell(row, col), row % 2 == 0);
    }
}

std::vector<bool> PowerFlowOracle::flood(Mode mode, const Assignment* values) const {
    std::vector<bool> lit(kCellSlots, false);
    std::deque<std::pair<int, int>> todo;
    auto light = [&](int row, int col) {
        if (!Sheet::inside(row, col) || lit[static_cast<std::size_t>(idx(row, col))]) return;
        lit[static_cast<std::size_t>(idx(row, col))] = true;
        todo.push_back({row, col});
    };
    for (int row = 1; row <= lastRow_; ++row)
        if (arms(row, 1)) light(row, 1);
    while (!todo.empty()) {
        const auto [row, col] = todo.front();
        todo.pop_front();
        const int a = arms(row, col);
        if ((a & kE) && (arms(row, col + 1) & kW)) light(row, col + 1);
        if ((a & kW) && (arms(row, col - 1) & kE)) light(row, col - 1);
        if (!isPlateOrType(row, col)) {
            for (const int dr : {-1, 1}) {
                const int b = arms(row + dr, col);
                if (!b || isPlateOrType(row + dr, col)) continue;
                const bool towards = dr < 0 ? ((a & kN) || (b & kS)) : ((a & kS) || (b & kN));
                if (towards) light(row + dr, col);
            }
        }
        const int kind = isPlateOrType(row, col) ? plateOrType_[static_cast<std::size_t>(idx(row, col))] : 0;
        if (kind == 1 || kind == 3) {
            const int slot = kind == 1 ? col - 1 : col - 3;
            for (const Switch& s : switches_) {
                if (s.row != row || s.slot != slot) continue;
                bool closed = mode == Mode::AllClosed;
                if (mode == Mode::Values) {
                    const auto it = values->find(s.name);
                    const bool on = it != values->end() && it->second;
                    closed = s.normallyClosed ? !on : on;
                }
                if (closed) light(row, kind == 1 ? col + 2 : col - 2);
            }
        }
    }
    return lit;
}

void PowerFlowOracle::findRungs() {
    // Parts joined with every switch closed, not passing through column 1.
    std::vector<int> part(kCellSlots, -1);
    int parts = 0;
    for (int row = 1; row <= 260; ++row) {
        for (int col = 2; col <= 72; ++col) {
            if (!arms(row, col) || part[static_cast<std::size_t>(idx(row, col))] >= 0) continue;
            std::vector<std::pair<int, int>> todo{{row, col}};
            part[static_cast<std::size_t>(idx(row, col))] = parts;
            auto visit = [&](int r, int c) {
                if (c < 2 || !Sheet::inside(r, c) || part[static_cast<std::size_t>(idx(r, c))] >= 0) return;
                part[static_cast<std::size_t>(idx(r, c))] = parts;
                todo.push_back({r, c});
            };
            while (!todo.empty()) {
                const auto [r, c] = todo.back();
                todo.pop_back();
                const int a = arms(r, c);
                if ((a & kE) && (arms(r, c + 1) & kW)) visit(r, c + 1);
                if ((a & kW) && (arms(r, c - 1) & kE)) visit(r, c - 1);
                if (!isPlateOrType(r, c))
                    for (const int dr : {-1, 1}) {
                        const int b = arms(r + dr, c);
                        if (!b || isPlateOrType(r + dr, c)) continue;
                        if (dr < 0 ? ((a & kN) || (b & kS)) : ((a & kS) || (b & kN))) visit(r + dr, c);
                    }
                const int kind = isPlateOrType(r, c) ? plateOrType_[static_cast<std::size_t>(idx(r, c))] : 0;
                if (kind == 1) visit(r, c + 2);
                if (kind == 3) visit(r, c - 2);
            }
            ++parts;
        }
    }
    std::vector<RungView> views(static_cast<std::size_t>(parts));
    std::vector<std::vector<int>> coilsOf(static_cast<std::size_t>(parts));
    auto touch = [](RungView& v, int row, int col) {
        if (v.row == 0 || std::tie(row, col) < std::tie(v.row, v.col)) {
            v.row = row;
            v.col = col;
        }
    };
    for (const Switch& s : switches_) {
        RungView& v = views[static_cast<std::size_t>(part[static_cast<std::size_t>(idx(s.row, s.slot + 1))])];
        ++v.contacts;
        v.contactNames.push_back(s.name);
        touch(v, s.row, s.slot);
    }
    for (std::size_t k = 0; k < coils_.size(); ++k) {
        const int p = part[static_cast<std::size_t>(idx(coils_[k].row, kLead))];
        if (p < 0) continue;  // a lead-in that is no wire: never in the test sheets
        RungView& v = views[static_cast<std::size_t>(p)];
        v.coilRows.push_back(coils_[k].row);
        v.coilNames.push_back(coils_[k].name);
        coilsOf[static_cast<std::size_t>(p)].push_back(static_cast<int>(k));
        touch(v, coils_[k].row, kLead);
    }
    std::vector<int> order;
    for (int p = 0; p < parts; ++p)
        if (views[static_cast<std::size_t>(p)].row != 0) order.push_back(p);
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        const RungView& a = views[static_cast<std::size_t>(x)];
        const RungView& b = views[static_cast<std::size_t>(y)];
        return std::tie(a.row, a.col) < std::tie(b.row, b.col);
    });
    for (int p : order) {
        rungs_.push_back(views[static_cast<std::size_t>(p)]);
        for (int k : coilsOf[static_cast<std::size_t>(p)]) coilOrderInRungs_.push_back(k);
        coilOrderInRungs_.push_back(-1);  // end of the rung
    }
}

std::vector<std::string> PowerFlowOracle::devices() const {
    std::set<std::string> names;
    for (const Switch& s : switches_) names.insert(s.name);
    for (const CoilAt& c : coils_) names.insert(c.name);
    return {names.begin(), names.end()};
}

std::vector<OracleWrite> PowerFlowOracle::run(const Assignment& initial) const {
    Assignment values = initial;
    std::vector<OracleWrite> writes;
    std::vector<OracleWrite> rung;
    std::vector<bool> lit;
    bool fresh = true;
    for (int k : coilOrderInRungs_) {
        if (k < 0) {
            for (const OracleWrite& w : rung) {
                values[w.device] = w.value;
                writes.push_back(w);
            }
            rung.clear();
            fresh = true;
            continue;
        }
        if (fresh) lit = flood(Mode::Values, &values);
        fresh = false;
        const CoilAt& c = coils_[static_cast<std::size_t>(k)];
        rung.push_back({c.name, static_cast<bool>(lit[static_cast<std::size_t>(idx(c.row, kLead))])});
    }
    return writes;
}

bool PowerFlowOracle::coilPoweredWithAllContacts(int row, bool closed) const {
    return flood(closed ? Mode::AllClosed : Mode::AllOpen, nullptr)[static_cast<std::size_t>(idx(row, kLead))];
}

bool PowerFlowOracle::reducesToOnePiece(int row) const {
    // Points: wire joined with every switch open; column 1 is one point.
    std::vector<int> point(kCellSlots, -1);
    int points = 1;
    for (int r = 1; r <= 260; ++r)
        if (arms(r, 1)) point[static_cast<std::size_t>(idx(r, 1))] = 0;
    std::vector<std::pair<int, int>> todo;
    for (int r = 1; r <= 260; ++r)
        if (arms(r, 1)) todo.push_back({r, 1});
    auto spread = [&](int id) {
        while (!todo.empty()) {
            const auto [r, c] = todo.back();
            todo.pop_back();
            const int a = arms(r, c);
            auto visit = [&](int r2, int c2) {
                if (!Sheet::inside(r2, c2) || point[static_cast<std::size_t>(idx(r2, c2))] >= 0) return;
                point[static_cast<std::size_t>(idx(r2, c2))] = id;
                todo.push_back({r2, c2});
            };
            if ((a & kE) && (arms(r, c + 1) & kW)) visit(r, c + 1);
            if ((a & kW) && (arms(r, c - 1) & kE)) visit(r, c - 1);
            if (!isPlateOrType(r, c))
                for (const int dr : {-1, 1}) {
                    const int b = arms(r + dr, c);
                    if (!b || isPlateOrType(r + dr, c)) continue;
                    if (dr < 0 ? ((a & kN) || (b & kS)) : ((a & kS) || (b & kN))) visit(r + dr, c);
                }
        }
    };
    spread(0);
    for (int r = 1; r <= 260; ++r)
        for (int c = 0; c <= 72; ++c)
            if (arms(r, c) && point[static_cast<std::size_t>(idx(r, c))] < 0) {
                point[static_cast<std::size_t>(idx(r, c))] = points;
                todo.push_back({r, c});
                spread(points++);
            }
    const int target = point[static_cast<std::size_t>(idx(row, kLead))];
    if (target <= 0) return false;

    // Edges: every switch, as a multiset of point pairs.
    std::multiset<std::pair<int, int>> edges;
    for (const Switch& s : switches_) {
        int a = point[static_cast<std::size_t>(idx(s.row, s.slot + 1))];
        int b = point[static_cast<std::size_t>(idx(s.row, s.slot + 3))];
        edges.insert({std::min(a, b), std::max(a, b)});
    }
    for (bool changed = true; changed;) {
        changed = false;
        // Loops and repeated pairs.
        std::multiset<std::pair<int, int>> next;
        for (const auto& e : edges)
            if (e.first != e.second && next.count(e) == 0) next.insert(e);
        if (next.size() != edges.size()) changed = true;
        edges = next;
        std::map<int, std::vector<std::pair<int, int>>> at;
        for (const auto& e : edges) {
            at[e.first].push_back(e);
            at[e.second].push_back(e);
        }
        for (const auto& [p, list] : at) {
            if (p == 0 || p == target) continue;
            if (list.size() == 1) {  // a loose end
                edges.erase(edges.find(list[0]));
                changed = true;
                break;
            }
            if (list.size() == 2) {  // two pieces in series
                const int x = list[0].first == p ? list[0].second : list[0].first;
                const int y = list[1].first == p ? list[1].second : list[1].first;
                edges.erase(edges.find(list[0]));
                edges.erase(edges.find(list[1]));
                edges.insert({std::min(x, y), std::max(x, y)});
                changed = true;
                break;
            }
        }
    }
    // What is left of the coil's rung must be the one piece rail..coil. The
    // rung is what the coil reaches without passing through the rail.
    std::set<int> reach{target};
    for (bool grew = true; grew;) {
        grew = false;
        for (const auto& e : edges) {
            const bool from1 = e.first != 0 && reach.count(e.first);
            const bool from2 = e.second != 0 && reach.count(e.second);
            if ((from1 || from2) && !(reach.count(e.first) && reach.count(e.second))) {
                reach.insert(e.first);
                reach.insert(e.second);
                grew = true;
            }
        }
    }
    int inRung = 0;
    for (const auto& e : edges)
        if ((e.first != 0 && reach.count(e.first)) || (e.second != 0 && reach.count(e.second))) ++inRung;
    return inRung == 1 && edges.count({0, target}) == 1;
}

std::optional<OracleListRun> runListWithValues(std::string_view list, const Assignment& initial) {
    Assignment values = initial;
    OracleListRun out;
    std::vector<bool> stack;
    std::vector<bool> saved;  // MPS, MRD, MPP
    bool lastWasOut = false;
    bool pending = false;  // a result no OUT has written yet
    auto get = [&](const std::string& name) {
        const auto it = values.find(name);
        return it != values.end() && it->second;
    };
    while (!list.empty()) {
        const std::size_t end = list.find("\r\n");
        if (end == std::string_view::npos) return std::nullopt;
        const std::string line(list.substr(0, end));
        list.remove_prefix(end + 2);
        if (out.endsWithEnd) return std::nullopt;
        const std::string head = line.substr(0, 4);
        const std::string name = line.size() > 4 ? line.substr(4) : "";
        if (line == "END") {
            out.endsWithEnd = true;
            continue;
        }
        if (line == "ANB " || line == "ORB ") {
            if (stack.size() < 2) return std::nullopt;
            const bool top = stack.back();
            stack.pop_back();
            stack.back() = line == "ANB " ? (stack.back() && top) : (stack.back() || top);
            lastWasOut = false;
            pending = true;
            continue;
        }
        if (line == "MPS " || line == "MRD " || line == "MPP ") {
            if (line == "MPS ") {
                if (stack.empty() || saved.size() == 11) return std::nullopt;
                saved.push_back(stack.back());
            } else {
                if (saved.empty()) return std::nullopt;
                stack.back() = saved.back();
                if (line == "MPP ") saved.pop_back();
            }
            lastWasOut = false;
            pending = true;
            continue;
        }
        if (name.empty()) return std::nullopt;
        if (head == "LD  " || head == "LDI ") {
            if (lastWasOut && !saved.empty()) return std::nullopt;
            if (lastWasOut) stack.clear();
            stack.push_back(head == "LD  " ? get(name) : !get(name));
        } else if (head == "AND " || head == "ANI " || head == "OR  " || head == "ORI ") {
            if (stack.empty()) return std::nullopt;
            const bool v = head[2] == 'I' || head == "ORI " ? !get(name) : get(name);
            if (head == "AND " || head == "ANI ")
                stack.back() = stack.back() && v;
            else
                stack.back() = stack.back() || v;
        } else if (head == "OUT ") {
            if (stack.size() != 1) return std::nullopt;
            values[name] = stack.back();
            out.writes.push_back({name, stack.back()});
            lastWasOut = true;
            pending = false;
            continue;
        } else {
            return std::nullopt;
        }
        lastWasOut = false;
        pending = true;
    }
    if (pending || !saved.empty()) return std::nullopt;
    return out;
}

std::vector<Assignment> allAssignments(const std::vector<std::string>& devices) {
    std::vector<Assignment> all;
    const std::size_t n = devices.size();
    for (std::size_t bits = 0; bits < (std::size_t{1} << n); ++bits) {
        Assignment a;
        for (std::size_t i = 0; i < n; ++i) a[devices[i]] = (bits >> i) & 1u;
        all.push_back(std::move(a));
    }
    return all;
}

std::vector<std::string> devicesOfList(std::string_view list) {
    std::set<std::string> names;
    while (!list.empty()) {
        const std::size_t end = list.find("\r\n");
        const std::string line(list.substr(0, end));
        if (line.size() > 4 && line != "END") names.insert(line.substr(4));
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + 2);
    }
    return {names.begin(), names.end()};
}

}  // namespace lp::test
