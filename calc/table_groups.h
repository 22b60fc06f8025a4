// One (depth, ivx, ivy) group of the focus table: its evx and evy loops on a
// tracer context of its own, and the good lenses it found, in sweep order.
// The groups of a sweep are numbered depth outer, then the (ivx, ivy) pairs;
// threads and ranks evaluate them apart and the ordered merge writes them.
//
// A group of more than a piece's worth of lenses (evx values times evy
// values) is cut into pieces numbered in its place, so that its rows reach
// the writer in bounded chunks. The loops' state at the end of a piece
// (the group is over, the rim ended this evx's evy loop, this evx found a
// good lens) travels to the next piece with the floating-point flags; a
// piece evaluated from another state than the one before it left is
// evaluated again by the ordered merge, so the rows stay those of one
// thread. Every group of the program's own table is one piece.
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <vector>

#include "calc/ordered_groups.h"
#include "calc/sweep_output.h"
#include "calc/table_grid.h"
#include "optics/focus.h"

namespace kelvane {

// A lens whose row may be written: what its row needs besides the group.
struct GoodLens {
  double focus;
  double width;
  double evx;
  double evy;
  double dev;
  double devpcnt;
};

struct TableGroup {
  double depth = 0;
  double ivx = 0;
  double ivy = 0;
  unsigned startFlags = 0;  // the error flags the evaluation started from
  unsigned endFlags = 0;    // and those it left
  bool complete = true;     // false when a kill stopped it
  long long lenses = 0;     // lenses evaluated
  std::vector<GoodLens> good;
};

// Evaluates groups by number. Copyable: each copy (one per thread) starts
// with a fresh tracer context.
class TableGroupEvaluator {
 public:
  // Set in a piece's start flags: "the evx loop goes on", the state an
  // estimate samples pieces in.
  static constexpr unsigned kEvxFound = 1u << 31;

  TableGroupEvaluator(const TableGrid& grid, double indexRatio, SweepProgress* progress,
                      long long pieceLenses = kTablePieceLenses);
  TableGroupEvaluator(const TableGroupEvaluator& other);
  TableGroupEvaluator& operator=(const TableGroupEvaluator&) = delete;

  // The state polled before every lens: the sweep stops once it is not
  // CALC_RUNNING. calcState unless told otherwise.
  void pollState(const std::atomic<int>& state) { m_state = &state; }

  SweepProgress* progress() const { return m_progress; }

  // Called by the writer with each piece in order: once a piece ended its
  // group's evx loop, every copy skips the rest of that group's pieces
  // when asked to guess at them.
  void noteWritten(long g, const TableGroup& piece) const;

  // Pieces of the whole sweep: depth values times (ivx, ivy) pairs times
  // the pieces of a group.
  long groupCount() const;
  long long piecesPerGroup() const { return m_pieces; }

  // Sets this thread's error flags to startFlags, evaluates group g into
  // `out` and reports how it ended (see ordered_groups.h).
  GroupEnd operator()(long g, unsigned startFlags, TableGroup& out);

 private:
  bool sweepPiece(TableGroup& out, long long piece, unsigned& loop);

  TableGrid m_grid;
  IngressPairs m_pairs;
  long long m_evLenses;     // evx values times evy values: the lenses a group may hold
  long long m_pieceLenses;  // of one piece
  long long m_pieces;       // of one group
  TracerContext m_ctx;
  BeamSettings m_settings = kBackgroundSettings;  // a copy: the sweep never changes it
  SweepProgress* m_progress;
  const std::atomic<int>* m_state;
  std::shared_ptr<std::atomic<long>> m_knownOver;  // the last piece written that ended its group
};

// Groups as bytes, for ranks of one cluster (same byte order and doubles).
void appendTableGroup(std::vector<unsigned char>& bytes, const TableGroup& group);
// Reads one group at `pos`, moving it on; false when the bytes end early.
bool readTableGroup(const std::vector<unsigned char>& bytes, std::size_t& pos, TableGroup& group);

}  // namespace kelvane
