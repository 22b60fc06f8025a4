#include "calc/table_groups.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>

#include "calc/calc_state.h"
#include "calc/fp_state.h"

namespace kelvane {

namespace {

// The evx and evy loops' state between the pieces of one group, carried in
// bits above the floating-point flags (which use the low byte).
constexpr unsigned kEvxLoopOver = 1u << 29;  // an evx found no good lens: the group is done
constexpr unsigned kEvyLoopOver = 1u << 30;  // the rim ended the current evx's evy loop
constexpr unsigned kLoopState = kEvxLoopOver | kEvyLoopOver | TableGroupEvaluator::kEvxFound;

long long piecesOf(long long lenses, long long pieceLenses) {
  return lenses <= pieceLenses ? 1 : (lenses + pieceLenses - 1) / pieceLenses;
}

}  // namespace

TableGroupEvaluator::TableGroupEvaluator(const TableGrid& grid, double indexRatio,
                                         SweepProgress* progress, long long pieceLenses)
    : m_grid(grid),
      m_pairs(grid),
      m_evLenses(grid.evx.count() * grid.evy.count()),
      m_pieceLenses(std::max(1LL, pieceLenses)),
      m_pieces(piecesOf(m_evLenses, m_pieceLenses)),
      m_progress(progress),
      m_state(&calcState),
      m_knownOver(std::make_shared<std::atomic<long>>(std::numeric_limits<long>::min())) {
  m_ctx.indexRatio = indexRatio;
}

TableGroupEvaluator::TableGroupEvaluator(const TableGroupEvaluator& other)
    : m_grid(other.m_grid),
      m_pairs(other.m_pairs),
      m_evLenses(other.m_evLenses),
      m_pieceLenses(other.m_pieceLenses),
      m_pieces(other.m_pieces),
      m_settings(other.m_settings),
      m_progress(other.m_progress),
      m_state(other.m_state),
      m_knownOver(other.m_knownOver) {
  m_ctx.indexRatio = other.m_ctx.indexRatio;
}

long TableGroupEvaluator::groupCount() const {
  return static_cast<long>(m_grid.depth.count() * m_pairs.size() * m_pieces);
}

GroupEnd TableGroupEvaluator::operator()(long g, unsigned startFlags, TableGroup& out) {
  const long long perDepth = m_pairs.size();
  const long long group = g / m_pieces;
  const long long piece = g % m_pieces;
  long long ivxIndex = 0;
  long long ivyIndex = 0;
  m_pairs.seek(group % perDepth, ivxIndex, ivyIndex);
  out.good.clear();
  out.depth = m_grid.depth.at(group / perDepth);
  out.ivx = m_grid.ivx.at(ivxIndex);
  out.ivy = m_grid.ivy.at(ivyIndex);
  out.lenses = 0;
  out.startFlags = startFlags;
  // A guess at a piece of a group already known to be over: the ordered
  // merge evaluates it again from the state it really starts in (which says
  // so), so tracing it now would be wasted.
  const long over = m_knownOver->load(std::memory_order_relaxed);
  if (piece > 0 && !(startFlags & kEvxLoopOver) && g > over && g / m_pieces == over / m_pieces) {
    out.complete = true;
    out.endFlags = startFlags;
    return {true, startFlags};
  }
  setFpErrorFlags(startFlags & ~kLoopState);
  // A group begins as if the evx before its first had found a lens.
  unsigned loop = piece == 0 ? kEvxFound : startFlags & kLoopState;
  out.complete = sweepPiece(out, piece, loop);
  // The next group starts afresh: its first piece carries no loop state.
  out.endFlags = fpErrorFlags() | (piece == m_pieces - 1 ? 0u : loop);
  if (m_progress) m_progress->lensesEvaluated.fetch_add(out.lenses, std::memory_order_relaxed);
  return {out.complete, out.endFlags};
}

void TableGroupEvaluator::noteWritten(long g, const TableGroup& piece) const {
  if (piece.endFlags & kEvxLoopOver) m_knownOver->store(g, std::memory_order_relaxed);
}

// The evx and evy loops of one (depth, ivx, ivy), over the piece's share
// of its evx-by-evy square, the loops' state carried in `loop`. False when
// a kill stopped it.
bool TableGroupEvaluator::sweepPiece(TableGroup& out, long long piece, unsigned& loop) {
  Lens lens{out.ivx, out.ivy, 0.0, 0.0, out.depth, m_grid.shape};
  const TraceResults& res = m_ctx.results;
  const GridAxis& evxAxis = m_grid.evx;
  const GridAxis& evyAxis = m_grid.evy;
  const long long evyCount = evyAxis.count();
  if (evyCount == 0) return true;  // a grid gridProblem refuses
  const long long begin = piece * m_pieceLenses;
  const long long end = std::min(begin + m_pieceLenses, m_evLenses);
  for (long long i = begin / evyCount, k = begin % evyCount; i * evyCount + k < end; ++i, k = 0) {
    if (k == 0) {  // a new evx: only while the one before found a good lens
      if (!(loop & kEvxFound)) loop |= kEvxLoopOver;
      loop &= ~(kEvyLoopOver | kEvxFound);
    }
    if (loop & kEvxLoopOver) return true;
    if (loop & kEvyLoopOver) continue;
    const double evx = evxAxis.at(i);
    lens.evx = evx;
    const long long stop = std::min(evyCount, end - i * evyCount);
    for (k = std::max(k, evyAxis.firstAtLeast(std::max(out.ivy, evx))); k < stop; ++k) {
      if (m_state->load(std::memory_order_relaxed) != CALC_RUNNING) return false;
      lens.evy = evyAxis.at(k);
      ++out.lenses;
      const double focus = findFocus(m_ctx, lens, m_settings);
      if (focus <= 0) continue;
      if (res.center > out.ivx) {  // the rim lies beyond the ingress face
        loop |= kEvyLoopOver;
        break;
      }
      if (res.devpcnt >= m_grid.devLimit) continue;
      loop |= kEvxFound;
      out.good.push_back({focus, res.width, evx, lens.evy, res.dev, res.devpcnt});
    }
  }
  return true;
}

namespace {

template <class T>
void put(std::vector<unsigned char>& bytes, const T& value) {
  const auto* p = reinterpret_cast<const unsigned char*>(&value);
  bytes.insert(bytes.end(), p, p + sizeof value);
}

template <class T>
bool get(const std::vector<unsigned char>& bytes, std::size_t& pos, T& value) {
  if (pos > bytes.size() || bytes.size() - pos < sizeof value) return false;
  std::memcpy(&value, bytes.data() + pos, sizeof value);
  pos += sizeof value;
  return true;
}

}  // namespace

void appendTableGroup(std::vector<unsigned char>& bytes, const TableGroup& group) {
  put(bytes, group.depth);
  put(bytes, group.ivx);
  put(bytes, group.ivy);
  put(bytes, group.startFlags);
  put(bytes, group.endFlags);
  put(bytes, static_cast<unsigned>(group.complete));
  put(bytes, group.lenses);
  put(bytes, static_cast<unsigned long long>(group.good.size()));
  for (const GoodLens& lens : group.good) put(bytes, lens);
}

bool readTableGroup(const std::vector<unsigned char>& bytes, std::size_t& pos, TableGroup& group) {
  unsigned complete = 0;
  unsigned long long goodCount = 0;
  if (!(get(bytes, pos, group.depth) && get(bytes, pos, group.ivx) && get(bytes, pos, group.ivy) &&
        get(bytes, pos, group.startFlags) && get(bytes, pos, group.endFlags) &&
        get(bytes, pos, complete) && get(bytes, pos, group.lenses) && get(bytes, pos, goodCount)))
    return false;
  if (goodCount > (bytes.size() - pos) / sizeof(GoodLens)) return false;
  group.complete = complete != 0;
  group.good.resize(static_cast<std::size_t>(goodCount));
  for (GoodLens& lens : group.good) get(bytes, pos, lens);
  return true;
}

}  // namespace kelvane
