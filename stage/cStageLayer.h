#pragma once
// One layer of the stage map: a record per cell, indexed row x pitch + column.
//
// A full 512 x 512 layer holds a quarter of a million records, most of them empty, and every undo
// step keeps a picture of it. So the cells live in chunks of 8 that are shared: a chunk nobody
// wrote to is not allocated at all (its cells read as new records), and a copy of a layer (an undo
// snapshot) shares every chunk with the original until one of them writes to it, which then gets
// its own copy of that chunk alone. Memory so follows what was painted and what was changed.
//
// Reading goes through Get, writing through At. InPlace writes without unsharing: it is for the
// passes that only normalise a record (validation, the cell position written with it), whose
// result depends on nothing but the record, its cell and the documents, and which a snapshot
// would receive again when it is restored and saved.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "app/cVector.h"

template <class T>
class cStageLayer {
public:
  static constexpr int kChunkShift = 3;
  static constexpr int kChunkCells = 1 << kChunkShift;

  int Count() const { return m_nCount; }
  bool empty() const { return m_nCount == 0; }
  // count new records, none of them allocated.
  void Reset(int count) {
    m_vChunk.clear();
    m_nCount = count > 0 ? count : 0;
    m_vChunk.resize((static_cast<size_t>(m_nCount) + kChunkCells - 1) >> kChunkShift);
  }
  void Release() {
    std::vector<std::shared_ptr<cChunk>>().swap(m_vChunk);
    m_nCount = 0;
  }

  // A checked index, as cVector::At: a bad one is reported and the first cell stands in.
  const T& Get(int index) const {
    index = Checked(index);
    const cChunk* chunk = m_vChunk[static_cast<size_t>(index) >> kChunkShift].get();
    return chunk ? chunk->m_aCell[index & (kChunkCells - 1)] : NewRecord();
  }
  T& At(int index) {
    index = Checked(index);
    return Own(static_cast<size_t>(index) >> kChunkShift).m_aCell[index & (kChunkCells - 1)];
  }
  T& InPlace(int index) {
    index = Checked(index);
    std::shared_ptr<cChunk>& chunk = m_vChunk[static_cast<size_t>(index) >> kChunkShift];
    if (!chunk) return Own(static_cast<size_t>(index) >> kChunkShift).m_aCell[index & (kChunkCells - 1)];
    return chunk->m_aCell[index & (kChunkCells - 1)];
  }

  // Calls visit(index, record) in index order for the cells of every allocated chunk; the cells of
  // the others are new records.
  template <class Visit>
  void ForEachStored(Visit visit) const {
    VisitStored(*this, visit);
  }
  // The same, writing in place (see InPlace).
  template <class Visit>
  void ForEachStoredInPlace(Visit visit) {
    VisitStored(*this, visit);
  }

  // Chunks this layer holds, and those of them that it shares with a copy.
  int StoredChunks() const { return Chunks(false); }
  int SharedChunks() const { return Chunks(true); }
  // Chunks that the copies hold and this layer does not, each counted once however many copies
  // share it: what the copies alone keep allocated. A chunk never moves to another index.
  int ChunksOnlyIn(const std::vector<const cStageLayer*>& copies) const {
    size_t chunks = 0;
    for (const cStageLayer* copy : copies) chunks = std::max(chunks, copy->m_vChunk.size());
    int n = 0;
    std::vector<const cChunk*> seen;
    for (size_t c = 0; c < chunks; ++c) {
      const cChunk* own = ChunkAt(c);
      seen.clear();
      for (const cStageLayer* copy : copies)
        if (const cChunk* chunk = copy->ChunkAt(c); chunk && chunk != own) seen.push_back(chunk);
      // Sorted, the copies' shared chunks lie side by side and count once.
      std::sort(seen.begin(), seen.end(), std::less<const cChunk*>());
      n += static_cast<int>(std::unique(seen.begin(), seen.end()) - seen.begin());
    }
    return n;
  }

  static const T& NewRecord() {
    static const T record;
    return record;
  }

private:
  struct cChunk {
    T m_aCell[kChunkCells];
  };

  template <class Layer, class Visit>
  static void VisitStored(Layer& layer, Visit& visit) {
    for (size_t c = 0; c < layer.m_vChunk.size(); ++c) {
      if (!layer.m_vChunk[c]) continue;
      int first = static_cast<int>(c << kChunkShift);
      int end = std::min(first + kChunkCells, layer.m_nCount);
      for (int i = first; i < end; ++i) visit(i, layer.m_vChunk[c]->m_aCell[i - first]);
    }
  }
  int Checked(int index) const {
    if (index >= 0 && index < m_nCount) return index;
    ReportBadIndex('V', index, m_nCount, static_cast<int>(sizeof(T)), false);
    if (m_nCount == 0) throw std::out_of_range("invalid vector<T> subscript");
    return 0;
  }
  cChunk& Own(size_t c) {
    std::shared_ptr<cChunk>& chunk = m_vChunk[c];
    if (!chunk) chunk = std::make_shared<cChunk>();
    else if (chunk.use_count() > 1) chunk = std::make_shared<cChunk>(*chunk);
    return *chunk;
  }
  const cChunk* ChunkAt(size_t c) const { return c < m_vChunk.size() ? m_vChunk[c].get() : nullptr; }
  int Chunks(bool sharedOnly) const {
    int n = 0;
    for (const std::shared_ptr<cChunk>& chunk : m_vChunk)
      if (chunk && (!sharedOnly || chunk.use_count() > 1)) ++n;
    return n;
  }

  std::vector<std::shared_ptr<cChunk>> m_vChunk;
  int m_nCount = 0;
};
