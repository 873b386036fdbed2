#pragma once
// The sizes a drawing file keeps to. The writer refuses what the reader
// would refuse, so that every saved drawing opens again.
#include <cstddef>

namespace lp {

inline constexpr int kDrawingFormatVersion = 1;
// The first line of every drawing file, before the version number.
inline constexpr const char* kDrawingFormatName = "LadderPad drawing";
inline constexpr std::size_t kMaxDrawingFileBytes = std::size_t{8} << 20;  // 8 MiB
inline constexpr std::size_t kMaxDrawingTextBytes = std::size_t{2} << 20;  // 2 MiB, each of the two texts

}  // namespace lp
