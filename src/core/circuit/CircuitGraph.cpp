#include "circuit/CircuitGraph.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <tuple>

#include "circuit/WirePieces.h"
#include "sheet/Glyphs.h"
#include "sheet/Sheet.h"

namespace lp {

namespace {

constexpr int kRows = kLastRow - kFirstRow + 1;
constexpr std::size_t kCells = static_cast<std::size_t>(kRows) * kColCount;
constexpr uint8_t kPlate = 16;  // a contact plate: joins only sideways

std::size_t at(int row, int col) {
    return static_cast<std::size_t>(row - kFirstRow) * kColCount + static_cast<std::size_t>(col - kFirstCol);
}

// Union-find over indices; 32-bit, so that the sheet's 19,000 cells take
// little memory to set up and to walk.
class UnionFind {
public:
    explicit UnionFind(std::size_t n) : parent_(n) { std::iota(parent_.begin(), parent_.end(), uint32_t{0}); }
    std::size_t find(std::size_t x) {
        uint32_t i = static_cast<uint32_t>(x);
        while (parent_[i] != i) {
            parent_[i] = parent_[parent_[i]];
            i = parent_[i];
        }
        return i;
    }
    void unite(std::size_t a, std::size_t b) {
        a = find(a);
        b = find(b);
        if (a != b) parent_[std::max(a, b)] = static_cast<uint32_t>(std::min(a, b));
    }

private:
    std::vector<uint32_t> parent_;
};

// Arms of every cell, contacts found on the way.
std::vector<uint8_t> readPieces(const Sheet& sheet, std::vector<Contact>& contacts) {
    std::vector<uint8_t> arms(kCells, 0);
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        const bool graphics = isGraphicsRow(row);
        for (int col = kFirstCol; col <= kLastCol; ++col) arms[at(row, col)] = glyphArms(sheet.cell(row, col), graphics);
        if (!graphics) continue;
        for (int slot = 1; slot + 3 <= kLastCol; slot += 5) {
            if (!isContactAt(sheet, row, slot)) continue;
            arms[at(row, slot + 1)] = arm::W | kPlate;
            arms[at(row, slot + 2)] = 0;
            arms[at(row, slot + 3)] = arm::E | kPlate;
            Contact c;
            c.row = row;
            c.slot = slot;
            c.name = sheet.cell(row - 1, slot + 1);
            c.normallyClosed = sheet.cell(row, slot + 2) == glyph::slash;
            contacts.push_back(std::move(c));
        }
    }
    return arms;
}

// Joins neighbouring cells. Sideways both arms must meet; up and down one
// arm is enough, since the editor's upward walks join the glyph they stop
// at even where it shows no arm back.
void joinCells(const std::vector<uint8_t>& arms, UnionFind& cells, std::size_t railNode) {
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        for (int col = kFirstCol; col <= kLastCol; ++col) {
            const uint8_t a = arms[at(row, col)];
            if (!a) continue;
            if (col == kLeftRailCol) cells.unite(at(row, col), railNode);
            if (col < kLastCol && (a & arm::E) && (arms[at(row, col + 1)] & arm::W)) cells.unite(at(row, col), at(row, col + 1));
            if (row < kLastRow && !(a & kPlate)) {
                const uint8_t b = arms[at(row + 1, col)];
                if (b && !(b & kPlate) && ((a & arm::S) || (b & arm::N))) cells.unite(at(row, col), at(row + 1, col));
            }
        }
    }
}

}  // namespace

Circuit readCircuit(const Sheet& sheet, int curRow, int curCol) {
    Circuit circuit;
    const std::vector<uint8_t> arms = readPieces(sheet, circuit.contacts);
    const std::size_t railNode = kCells;
    UnionFind cells(kCells + 1);
    joinCells(arms, cells, railNode);

    // Number the nets, the rail first.
    std::vector<int> netOfRoot(kCells + 1, -1);
    netOfRoot[cells.find(railNode)] = circuit.netCount++;
    circuit.rail = 0;
    auto netOf = [&](int row, int col) -> int {
        if (!Sheet::inside(row, col) || !arms[at(row, col)]) return -1;
        int& net = netOfRoot[cells.find(at(row, col))];
        if (net < 0) net = circuit.netCount++;
        return net;
    };
    for (Contact& c : circuit.contacts) {
        c.left = netOf(c.row, c.slot + 1);
        c.right = netOf(c.row, c.slot + 3);
    }
    for (int row = kFirstRow + 1; row <= kLastRow; row += 2) {
        if (!isCoilAt(sheet, row)) continue;
        Coil coil;
        coil.row = row;
        coil.name = sheet.cell(row - 1, kCoilNameCol);
        coil.leadIn = netOf(row, kLeadInCol);
        coil.parallel = sheet.cell(row, kLeadInCol) == glyph::ur || sheet.cell(row - 1, kLeadInCol) == glyph::v;
        circuit.coils.push_back(std::move(coil));
    }
    circuit.endAtCursor = isEndAt(sheet, curRow, curCol);

    // Rungs: contacts and coils joined without passing through the rail.
    // A contact between two points of the rail, a coil on the rail itself
    // or on no wire, stands alone.
    const std::size_t nets = static_cast<std::size_t>(circuit.netCount);
    UnionFind joined(nets + circuit.contacts.size() + circuit.coils.size());
    auto offRail = [&](int net) { return net >= 0 && net != circuit.rail; };
    std::vector<std::size_t> group(circuit.contacts.size() + circuit.coils.size());
    for (std::size_t i = 0; i < circuit.contacts.size(); ++i) {
        const Contact& c = circuit.contacts[i];
        if (offRail(c.left) && offRail(c.right)) joined.unite(static_cast<std::size_t>(c.left), static_cast<std::size_t>(c.right));
        if (offRail(c.left))
            group[i] = static_cast<std::size_t>(c.left);
        else if (offRail(c.right))
            group[i] = static_cast<std::size_t>(c.right);
        else
            group[i] = nets + i;
    }
    for (std::size_t k = 0; k < circuit.coils.size(); ++k) {
        const int net = circuit.coils[k].leadIn;
        group[circuit.contacts.size() + k] = offRail(net) ? static_cast<std::size_t>(net) : nets + circuit.contacts.size() + k;
    }
    std::vector<int> rungOfRoot(nets + group.size(), -1);
    for (std::size_t i = 0; i < group.size(); ++i) {
        int& r = rungOfRoot[joined.find(group[i])];
        if (r < 0) {
            r = static_cast<int>(circuit.rungs.size());
            circuit.rungs.emplace_back();
        }
        Rung& rung = circuit.rungs[static_cast<std::size_t>(r)];
        const bool isContact = i < circuit.contacts.size();
        const int row = isContact ? circuit.contacts[i].row : circuit.coils[i - circuit.contacts.size()].row;
        const int col = isContact ? circuit.contacts[i].slot : kLeadInCol;
        if (isContact)
            rung.contacts.push_back(static_cast<int>(i));
        else
            rung.coils.push_back(static_cast<int>(i - circuit.contacts.size()));
        if (rung.row == 0 || std::tie(row, col) < std::tie(rung.row, rung.col)) {
            rung.row = row;
            rung.col = col;
        }
    }
    std::stable_sort(circuit.rungs.begin(), circuit.rungs.end(),
                     [](const Rung& a, const Rung& b) { return std::tie(a.row, a.col) < std::tie(b.row, b.col); });
    return circuit;
}

}  // namespace lp
