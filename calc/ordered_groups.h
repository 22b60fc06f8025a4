// Runs the numbered groups of a sweep on several threads and hands their
// results to a consumer strictly in group order, so that what the consumer
// sees is the same whatever the number of threads.
//
// Groups must be independent except for the floating-point error flags, which
// are sticky across lenses: a group may leave flags raised that change the
// next group's results. Workers evaluate each group as if it started with
// clear flags; when the group before it in order actually ended with flags
// raised, the merging thread evaluates the group again with those flags, so
// the result is exactly that of one thread going through the groups in turn.
//
// Evaluator: copyable; one copy per thread. Called as
//   GroupEnd evaluator(long group, unsigned startFlags, Result& out)
// it sets this thread's flags to startFlags (setFpErrorFlags), fills `out`
// afresh and reports whether the group ran to its end and the flags it left.
// Consume: called as consume(long group, const Result&, bool complete), in
// group order, never concurrently. The run stops after the first incomplete
// group (a killed sweep): later groups are never consumed.
//
// OrderedMerge is that rule on its own, for any source of evaluated groups:
// the threads below, or the ranks of a sweep spread over several machines.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace kelvane {

struct GroupEnd {
  bool complete = true;   // false when the group stopped early (a kill)
  unsigned endFlags = 0;  // the error flags the group left raised
};

// Takes evaluated groups strictly in order (0, 1, 2 ...), re-evaluates a
// group that started from other flags than the group before it left, hands
// each to the consumer and stops after the first incomplete group.
class OrderedMerge {
 public:
  explicit OrderedMerge(unsigned initialFlags) : m_carried(initialFlags) {}

  // The group next() was evaluated from `startFlags` into `result` and
  // ended as `end`. Returns false once the run stops (this group was
  // incomplete); `evaluator` evaluates it again on this thread when needed.
  template <class Result, class Evaluator, class Consume>
  bool take(Evaluator& evaluator, Result& result, GroupEnd end, unsigned startFlags,
            Consume& consume) {
    if (startFlags != m_carried) end = evaluator(m_next, m_carried, result);
    m_carried = end.endFlags;
    consume(m_next, static_cast<const Result&>(result), end.complete);
    ++m_next;
    return end.complete;
  }

  long next() const { return m_next; }

 private:
  unsigned m_carried;  // the flags the last group taken left
  long m_next = 0;
};

template <class Result, class Evaluator, class Consume>
void runOrderedGroups(long groupCount, int threads, unsigned initialFlags,
                      const Evaluator& prototype, Consume&& consume, long window = 4096) {
  if (groupCount <= 0) return;
  if (threads <= 1) {
    // One thread: each group starts with the flags the one before left.
    Evaluator evaluator = prototype;
    Result result;
    unsigned flags = initialFlags;
    for (long g = 0; g < groupCount; ++g) {
      const GroupEnd end = evaluator(g, flags, result);
      flags = end.endFlags;
      consume(g, static_cast<const Result&>(result), end.complete);
      if (!end.complete) return;
    }
    return;
  }

  struct Slot {
    Result result{};
    GroupEnd end{};
    unsigned startFlags = 0;
    bool ready = false;
  };
  std::vector<Slot> slots(static_cast<std::size_t>(window));
  std::mutex mutex;  // guards everything below and the slots' hand-over
  std::condition_variable changed;
  long next = 0;  // the next group to hand out
  OrderedMerge merge(initialFlags);
  bool stop = false;

  auto work = [&] {
    Evaluator evaluator = prototype;
    std::unique_lock lock(mutex);
    for (;;) {
      changed.wait(lock,
                   [&] { return stop || next >= groupCount || next < merge.next() + window; });
      if (stop || next >= groupCount) return;
      const long g = next++;
      Slot& slot = slots[static_cast<std::size_t>(g % window)];
      const unsigned start = g == 0 ? initialFlags : 0u;
      lock.unlock();
      const GroupEnd end =
          evaluator(g, start, slot.result);  // the slot is this worker's until ready
      lock.lock();
      slot.end = end;
      slot.startFlags = start;
      slot.ready = true;
      bool advanced = false;
      while (!stop && merge.next() < groupCount) {
        Slot& s = slots[static_cast<std::size_t>(merge.next() % window)];
        if (!s.ready) break;
        if (!merge.take(evaluator, s.result, s.end, s.startFlags, consume)) stop = true;
        s.ready = false;
        advanced = true;
      }
      if (advanced || stop) changed.notify_all();
    }
  };

  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t) {
    try {
      helpers.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // fewer threads than asked: the ones we have finish the sweep
    }
  }
  work();
  for (std::thread& helper : helpers) helper.join();
}

}  // namespace kelvane
