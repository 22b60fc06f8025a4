#include "calc/mpi_sweep.h"

#include <mpi.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "calc/calc_state.h"
#include "calc/ordered_groups.h"
#include "calc/table_groups.h"

namespace kelvane {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTagWork = 1;
constexpr int kTagResult = 2;
constexpr double kChunkSeconds =
    0.05;                        // long enough that messages cost nothing, short enough to balance
constexpr long kFirstChunk = 8;  // groups, before any rank has reported its speed
constexpr long kMaxChunk = 16384;
constexpr long kWindow = 1L << 16;  // groups handed out beyond the last one written
constexpr int kChunksPerRank = 2;   // one tracing, one waiting
constexpr auto kIdleWait = std::chrono::milliseconds(1);
constexpr auto kReleaseDeadline = std::chrono::seconds(30);

struct ChunkHeader {
  long long first = 0;
  long long count = 0;
  long long lenses = 0;
  double seconds = 0;
};

struct Chunk {
  ChunkHeader head;
  std::vector<TableGroup> groups;
};

// Group k of a chunk is group first + k of the sweep.
struct ChunkEvaluator {
  TableGroupEvaluator inner;
  long first;
  GroupEnd operator()(long k, unsigned startFlags, TableGroup& out) {
    return inner(first + k, startFlags, out);
  }
};

// Traces one chunk on `threads` threads from clear flags; the groups come
// out in order, each with the flags it started from and left.
Chunk traceChunk(const TableGroupEvaluator& prototype, long first, long count, int threads) {
  Chunk chunk;
  chunk.head.first = first;
  chunk.head.count = count;
  const auto start = Clock::now();
  const ChunkEvaluator evaluator{prototype, first};
  runOrderedGroups<TableGroup>(
      count, threads, 0u, evaluator,
      [&chunk](long, const TableGroup& group, bool) {
        chunk.head.lenses += group.lenses;
        chunk.groups.push_back(group);
      },
      std::min(count, 4096L));
  chunk.head.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return chunk;
}

std::vector<unsigned char> encode(const Chunk& chunk) {
  std::vector<unsigned char> bytes(sizeof(ChunkHeader));
  std::memcpy(bytes.data(), &chunk.head, sizeof(ChunkHeader));
  for (const TableGroup& group : chunk.groups) appendTableGroup(bytes, group);
  return bytes;
}

bool decode(const std::vector<unsigned char>& bytes, Chunk& chunk) {
  if (bytes.size() < sizeof(ChunkHeader)) return false;
  std::memcpy(&chunk.head, bytes.data(), sizeof(ChunkHeader));
  std::size_t pos = sizeof(ChunkHeader);
  chunk.groups.clear();
  while (pos < bytes.size()) {
    chunk.groups.emplace_back();
    if (!readTableGroup(bytes, pos, chunk.groups.back())) return false;
  }
  return true;
}

int effectiveThreads(int threads) {
  return threads > 0 ? threads
                     : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// Waits for a message without spinning a core: Open MPI's blocking calls
// poll, and every core here is wanted for tracing.
bool waitForMessage(int source, int tag, MPI_Status& status,
                    Clock::time_point deadline = Clock::time_point::max()) {
  auto pause = std::chrono::microseconds(20);
  for (;;) {
    int flag = 0;
    MPI_Iprobe(source, tag, MPI_COMM_WORLD, &flag, &status);
    if (flag) return true;
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::microseconds(1000));
  }
}

std::vector<unsigned char> receiveBytes(const MPI_Status& probed) {
  int size = 0;
  MPI_Get_count(&probed, MPI_BYTE, &size);
  std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
  MPI_Recv(bytes.data(), size, MPI_BYTE, probed.MPI_SOURCE, probed.MPI_TAG, MPI_COMM_WORLD,
           MPI_STATUS_IGNORE);
  return bytes;
}

void sendWork(int rank, long first, long count) {
  const long long work[2] = {first, count};
  MPI_Send(work, 2, MPI_LONG_LONG, rank, kTagWork, MPI_COMM_WORLD);
}

// Rank 0's own share of the tracing, on its threads, beside the thread that
// talks to the ranks and writes.
class LocalTracer {
 public:
  LocalTracer(const TableGroupEvaluator& prototype, int threads)
      : m_prototype(prototype), m_threads(threads), m_thread([this] { run(); }) {}

  ~LocalTracer() {
    {
      std::lock_guard lock(m_mutex);
      m_quit = true;
    }
    m_changed.notify_all();
    m_thread.join();
  }

  void post(long first, long count) {
    {
      std::lock_guard lock(m_mutex);
      m_todo.push_back({first, count});
      ++m_outstanding;
    }
    m_changed.notify_all();
  }

  int outstanding() {
    std::lock_guard lock(m_mutex);
    return m_outstanding;
  }

  // Moves the finished chunks out; waits up to `wait` when there is none.
  void collect(std::vector<Chunk>& out, std::chrono::milliseconds wait) {
    std::unique_lock lock(m_mutex);
    if (m_done.empty()) m_changed.wait_for(lock, wait, [this] { return !m_done.empty(); });
    for (Chunk& c : m_done) out.push_back(std::move(c));
    m_outstanding -= static_cast<int>(m_done.size());
    m_done.clear();
  }

 private:
  void run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
      m_changed.wait(lock, [this] { return m_quit || !m_todo.empty(); });
      if (m_quit) return;
      const auto [first, count] = m_todo.front();
      m_todo.pop_front();
      lock.unlock();
      Chunk chunk = traceChunk(m_prototype, first, count, m_threads);
      lock.lock();
      m_done.push_back(std::move(chunk));
      m_changed.notify_all();
    }
  }

  const TableGroupEvaluator& m_prototype;
  int m_threads;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<std::pair<long, long>> m_todo;
  std::vector<Chunk> m_done;
  int m_outstanding = 0;
  bool m_quit = false;
  std::thread m_thread;  // last: starts once the rest exists
};

}  // namespace

bool startedAsMpiRank() {
  for (const char* name : {"OMPI_COMM_WORLD_SIZE", "PMI_SIZE", "PMIX_SIZE"}) {
    const char* value = std::getenv(name);
    if (value && std::atoi(value) > 1) return true;
  }
  return false;
}

int announcedMpiRank() {
  for (const char* name : {"OMPI_COMM_WORLD_RANK", "PMI_RANK", "PMIX_RANK"}) {
    if (const char* value = std::getenv(name)) return std::atoi(value);
  }
  return 0;
}

MpiSweep::MpiSweep() {
  MPI_Init_thread(nullptr, nullptr, MPI_THREAD_SERIALIZED, &m_threadLevel);
  MPI_Comm_rank(MPI_COMM_WORLD, &m_rank);
  MPI_Comm_size(MPI_COMM_WORLD, &m_size);
  m_outstanding.assign(static_cast<std::size_t>(m_size), 0);
}

MpiSweep::~MpiSweep() {
  if (m_rank == 0) releaseWorkers();
  MPI_Finalize();
}

bool MpiSweep::usable(std::string& problem) const {
  if (m_threadLevel >= MPI_THREAD_SERIALIZED) return true;
  problem = "this MPI library cannot be called from the sweep's thread (MPI_THREAD_SERIALIZED)";
  return false;
}

bool MpiSweep::sameGridEverywhere(const std::string& gridText) {
  long long length = static_cast<long long>(gridText.size());
  MPI_Bcast(&length, 1, MPI_LONG_LONG, 0, MPI_COMM_WORLD);
  std::string root(static_cast<std::size_t>(length), '\0');
  if (m_rank == 0) root = gridText;
  MPI_Bcast(root.data(), static_cast<int>(length), MPI_CHAR, 0, MPI_COMM_WORLD);
  int differs = root != gridText ? 1 : 0;
  int anyDiffers = 0;
  MPI_Allreduce(&differs, &anyDiffers, 1, MPI_INT, MPI_MAX, MPI_COMM_WORLD);
  return anyDiffers == 0;
}

TableGroupRunner MpiSweep::runner() {
  return
      [this](long groups, int threads, const TableGroupEvaluator& evaluator,
             const TableGroupConsumer& consume) { runRoot(groups, threads, evaluator, consume); };
}

void MpiSweep::runRoot(long groups, int threads, const TableGroupEvaluator& evaluator,
                       const TableGroupConsumer& consume) {
  TableGroupEvaluator again = evaluator;  // re-evaluates a group that started from other flags
  OrderedMerge merge(0u);
  std::map<long, Chunk> pending;  // finished chunks by first group, not yet written
  long next = 0;                  // the first group not handed out
  double secondsPerGroup = 0;     // wall time per group of one rank, smoothed
  bool stopped = false;
  LocalTracer local(evaluator, effectiveThreads(threads));

  auto chunkSize = [&] {
    long size =
        secondsPerGroup > 0 ? static_cast<long>(kChunkSeconds / secondsPerGroup) : kFirstChunk;
    const long tail = (groups - next) / (2L * m_size);  // end together
    return std::clamp(std::min(size, tail), 1L, kMaxChunk);
  };
  auto handOut = [&] {
    for (int rank = 0; rank < m_size; ++rank) {
      int held = rank == 0 ? local.outstanding() : m_outstanding[static_cast<std::size_t>(rank)];
      while (held < kChunksPerRank && next < groups && next < merge.next() + kWindow) {
        const long count = std::min(chunkSize(), groups - next);
        if (rank == 0)
          local.post(next, count);
        else
          sendWork(rank, next, count);
        if (rank != 0) ++m_outstanding[static_cast<std::size_t>(rank)];
        next += count;
        ++held;
      }
    }
  };
  auto arrived = [&](Chunk&& chunk) {
    if (chunk.head.count > 0) {
      const double spg = chunk.head.seconds / static_cast<double>(chunk.head.count);
      secondsPerGroup = secondsPerGroup > 0 ? 0.8 * secondsPerGroup + 0.2 * spg : spg;
    }
    pending.emplace(static_cast<long>(chunk.head.first), std::move(chunk));
  };

  std::vector<Chunk> finished;
  while (!stopped && merge.next() < groups) {
    if (calcState.load(std::memory_order_relaxed) != CALC_RUNNING) break;
    handOut();
    for (;;) {
      MPI_Status status;
      int flag = 0;
      MPI_Iprobe(MPI_ANY_SOURCE, kTagResult, MPI_COMM_WORLD, &flag, &status);
      if (!flag) break;
      Chunk chunk;
      if (!decode(receiveBytes(status), chunk) ||
          chunk.groups.size() != static_cast<std::size_t>(chunk.head.count)) {
        std::fprintf(stderr, "kelvane-cli table: rank %d sent a broken chunk\n", status.MPI_SOURCE);
        MPI_Abort(MPI_COMM_WORLD, 1);
      }
      --m_outstanding[static_cast<std::size_t>(status.MPI_SOURCE)];
      if (evaluator.progress())
        evaluator.progress()->lensesEvaluated.fetch_add(chunk.head.lenses,
                                                        std::memory_order_relaxed);
      arrived(std::move(chunk));
    }
    finished.clear();
    local.collect(finished, pending.count(merge.next()) ? std::chrono::milliseconds(0) : kIdleWait);
    for (Chunk& chunk : finished) arrived(std::move(chunk));

    for (auto it = pending.find(merge.next()); it != pending.end() && !stopped;
         it = pending.find(merge.next())) {
      for (TableGroup& group : it->second.groups) {
        if (!merge.take(again, group, GroupEnd{group.complete, group.endFlags}, group.startFlags,
                        consume)) {
          stopped = true;  // a kill stopped one of rank 0's own groups
          break;
        }
      }
      if (!stopped && static_cast<long>(it->second.groups.size()) != it->second.head.count)
        stopped = true;
      pending.erase(it);
    }
  }
  m_stoppedEarly = merge.next() < groups;
}

void MpiSweep::releaseWorkers() {
  if (m_workersReleased) return;
  m_workersReleased = true;
  // Take what the workers still trace, so that none blocks on a send, then
  // tell each to stop.
  const auto deadline = Clock::now() + kReleaseDeadline;
  for (int rank = 1; rank < m_size; ++rank) {
    while (m_outstanding[static_cast<std::size_t>(rank)] > 0) {
      MPI_Status status;
      if (!waitForMessage(rank, kTagResult, status, deadline)) {
        std::fprintf(stderr, "kelvane-cli table: rank %d does not answer; ending the run\n", rank);
        MPI_Abort(MPI_COMM_WORLD, 1);
      }
      receiveBytes(status);
      --m_outstanding[static_cast<std::size_t>(rank)];
    }
    sendWork(rank, 0, 0);
  }
}

void MpiSweep::serve(const FocusTableOptions& options) {
  // Rank 0 alone ends the run: on Ctrl-C mpirun sends every rank SIGTERM,
  // and rank 0 still needs the workers to hand back what they hold.
  std::signal(SIGINT, SIG_IGN);
  std::signal(SIGTERM, SIG_IGN);
  const std::atomic<int> running{CALC_RUNNING};  // rank 0 alone decides when the sweep ends
  TableGroupEvaluator prototype(options.grid, options.indexRatio, nullptr, options.pieceLenses);
  prototype.pollState(running);
  const int threads = effectiveThreads(options.threads);
  for (;;) {
    MPI_Status status;
    waitForMessage(0, kTagWork, status);
    long long work[2] = {0, 0};
    MPI_Recv(work, 2, MPI_LONG_LONG, 0, kTagWork, MPI_COMM_WORLD, MPI_STATUS_IGNORE);
    if (work[1] == 0) return;
    const std::vector<unsigned char> bytes = encode(
        traceChunk(prototype, static_cast<long>(work[0]), static_cast<long>(work[1]), threads));
    MPI_Send(bytes.data(), static_cast<int>(bytes.size()), MPI_BYTE, 0, kTagResult, MPI_COMM_WORLD);
  }
}

}  // namespace kelvane
