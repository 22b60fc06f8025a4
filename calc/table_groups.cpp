#include "calc/table_groups.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "calc/calc_state.h"
#include "calc/fp_state.h"

namespace kelvane {

TableGroupEvaluator::TableGroupEvaluator(const TableGrid& grid, double indexRatio,
                                         SweepProgress* progress)
    : m_grid(grid), m_pairs(grid), m_progress(progress), m_state(&calcState) {
  m_ctx.indexRatio = indexRatio;
}

TableGroupEvaluator::TableGroupEvaluator(const TableGroupEvaluator& other)
    : m_grid(other.m_grid),
      m_pairs(other.m_pairs),
      m_settings(other.m_settings),
      m_progress(other.m_progress),
      m_state(other.m_state) {
  m_ctx.indexRatio = other.m_ctx.indexRatio;
}

long TableGroupEvaluator::groupCount() const {
  return static_cast<long>(m_grid.depth.count() * m_pairs.size());
}

GroupEnd TableGroupEvaluator::operator()(long g, unsigned startFlags, TableGroup& out) {
  const long long perDepth = m_pairs.size();
  long long ivxIndex = 0;
  long long ivyIndex = 0;
  m_pairs.seek(g % perDepth, ivxIndex, ivyIndex);
  out.good.clear();
  out.depth = m_grid.depth.at(g / perDepth);
  out.ivx = m_grid.ivx.at(ivxIndex);
  out.ivy = m_grid.ivy.at(ivyIndex);
  out.lenses = 0;
  out.startFlags = startFlags;
  setFpErrorFlags(startFlags);
  out.complete = sweepGroup(out);
  out.endFlags = fpErrorFlags();
  if (m_progress) m_progress->lensesEvaluated.fetch_add(out.lenses, std::memory_order_relaxed);
  return {out.complete, out.endFlags};
}

// The evx and evy loops of one (depth, ivx, ivy). False when a kill stopped
// it.
bool TableGroupEvaluator::sweepGroup(TableGroup& out) {
  Lens lens{out.ivx, out.ivy, 0.0, 0.0, out.depth, m_grid.shape};
  const TraceResults& res = m_ctx.results;
  const GridAxis& evxAxis = m_grid.evx;
  const GridAxis& evyAxis = m_grid.evy;
  const long long evxCount = evxAxis.count();
  const long long evyCount = evyAxis.count();
  bool found = true;  // set before the first evx of each ivy
  for (long long i = 0; i < evxCount; ++i) {
    if (!found) break;  // the previous evx found no good lens
    found = false;
    const double evx = evxAxis.at(i);
    lens.evx = evx;
    for (long long k = evyAxis.firstAtLeast(std::max(out.ivy, evx)); k < evyCount; ++k) {
      if (m_state->load(std::memory_order_relaxed) != CALC_RUNNING) return false;
      lens.evy = evyAxis.at(k);
      ++out.lenses;
      const double focus = findFocus(m_ctx, lens, m_settings);
      if (focus <= 0) continue;
      if (res.center > out.ivx) break;  // the rim lies beyond the ingress face
      if (res.devpcnt >= m_grid.devLimit) continue;
      found = true;
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
