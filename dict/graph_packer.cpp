#include "dict/graph_packer.h"

#include <algorithm>
#include <functional>

namespace kwarrel {
namespace {

// One child in a list being built: its letter, end-of-word flag and the id of
// its own child list (0 = none).
struct ListEntry {
  uint8_t letter = 0;
  bool endOfWord = false;
  uint32_t listId = 0;
};

bool operator==(const ListEntry& a, const ListEntry& b) {
  return a.letter == b.letter && a.endOfWord == b.endOfWord && a.listId == b.listId;
}

// Where one interned list lies in the pool of entries.
struct ListSpan {
  uint32_t first = 0;
  uint32_t size = 0;
};

// Child lists are interned: two nodes with equal child lists share one list, and
// since a node is its letter, flag and child list, equal tails collapse. All lists
// share one pool of entries and an open-addressing table of ids, so interning
// allocates only when the pool or the table grows.
class ListInterner {
 public:
  ListInterner() : spans_(1), slots_(1u << 16, 0) {}  // id 0: the empty list

  uint32_t intern(const ListEntry* entries, size_t count) {
    if (count == 0) return 0;
    const uint64_t hash = hashOf(entries, count);
    size_t slot = static_cast<size_t>(hash) & (slots_.size() - 1);
    for (;; slot = (slot + 1) & (slots_.size() - 1)) {
      const uint32_t id = slots_[slot];
      if (id == 0) break;
      if (equals(spans_[id], entries, count)) return id;
    }
    const uint32_t id = static_cast<uint32_t>(spans_.size());
    spans_.push_back({static_cast<uint32_t>(pool_.size()), static_cast<uint32_t>(count)});
    pool_.insert(pool_.end(), entries, entries + count);
    slots_[slot] = id;
    if (spans_.size() * 2 > slots_.size()) grow();
    return id;
  }

  size_t listCount() const { return spans_.size(); }
  const ListEntry* begin(uint32_t id) const { return pool_.data() + spans_[id].first; }
  const ListEntry* end(uint32_t id) const { return begin(id) + spans_[id].size; }
  uint32_t size(uint32_t id) const { return spans_[id].size; }

 private:
  static uint64_t hashOf(const ListEntry* entries, size_t count) {
    uint64_t hash = 0x9E3779B97F4A7C15ull ^ count;
    for (size_t i = 0; i < count; ++i) {
      const ListEntry& entry = entries[i];
      const uint64_t key = (uint64_t{entry.listId} << 8) | (entry.endOfWord ? 0x40u : 0u) |
                           entry.letter;
      hash = (hash ^ key) * 0xFF51AFD7ED558CCDull;
      hash ^= hash >> 32;
    }
    return hash;
  }

  bool equals(const ListSpan& span, const ListEntry* entries, size_t count) const {
    return span.size == count && std::equal(entries, entries + count, pool_.begin() + span.first);
  }

  void grow() {
    std::vector<uint32_t> slots(slots_.size() * 2, 0);
    const size_t mask = slots.size() - 1;
    for (uint32_t id = 1; id < spans_.size(); ++id) {
      size_t slot = static_cast<size_t>(hashOf(begin(id), size(id))) & mask;
      while (slots[slot] != 0) slot = (slot + 1) & mask;
      slots[slot] = id;
    }
    slots_ = std::move(slots);
  }

  std::vector<ListEntry> pool_;
  std::vector<ListSpan> spans_;
  std::vector<uint32_t> slots_;  // ids by hash; 0 = free
};

std::string checkWord(const std::string& word) {
  switch (wordFault(word)) {
    case WordFault::None: return {};
    case WordFault::NotLetters: return "woord \"" + word + "\" bevat een teken buiten a-z";
    case WordFault::TooShort:
    case WordFault::TooLong: break;
  }
  return "woord \"" + word + "\" heeft " + std::to_string(word.size()) +
         " letters; toegestaan is " + std::to_string(kMinWordLetters) + " tot " +
         std::to_string(kMaxWordLetters);
}

// The child lists still open while words are fed in: one per letter of the current
// word, each holding the children met so far. Only the deepest list ever grows (a
// shallower one only after every deeper one is closed), so all lie in one array,
// level after level.
class OpenLists {
 public:
  OpenLists() { starts_.push_back(0); }

  size_t depth() const { return starts_.size(); }

  void add(uint8_t letter, bool endOfWord) {
    entries_.push_back({letter, endOfWord, 0});
    starts_.push_back(entries_.size());
  }

  // Closes the deepest list: it is complete, so it is interned and becomes the
  // child list of the last entry one level up.
  void closeDeepest(ListInterner& interner) {
    const size_t first = starts_.back();
    starts_.pop_back();
    const uint32_t id = interner.intern(entries_.data() + first, entries_.size() - first);
    entries_.resize(first);
    entries_.back().listId = id;
  }

  uint32_t closeRoot(ListInterner& interner) {
    return interner.intern(entries_.data(), entries_.size());
  }

 private:
  std::vector<ListEntry> entries_;
  std::vector<size_t> starts_;  // where each level's list begins
};

// Feeds sorted unique words through the open lists; a list is interned as soon as
// no later word can add to it, so the full trie never exists in memory.
uint32_t internWords(const std::vector<std::string>& sorted, ListInterner& interner,
                     const PackProgress& progress) {
  OpenLists open;
  const std::string* previous = nullptr;
  for (size_t n = 0; n < sorted.size(); ++n) {
    const std::string& word = sorted[n];
    size_t common = 0;
    if (previous != nullptr) {
      const size_t limit = std::min(previous->size(), word.size());
      while (common < limit && (*previous)[common] == word[common]) ++common;
    }
    while (open.depth() > common + 1) open.closeDeepest(interner);
    for (size_t i = common; i < word.size(); ++i) {
      open.add(static_cast<uint8_t>(word[i] - 'a' + 1), i + 1 == word.size());
    }
    previous = &word;
    if (progress && n % kProgressStep == 0) progress(n, sorted.size());
  }
  while (open.depth() > 1) open.closeDeepest(interner);
  return open.closeRoot(interner);
}

// Lists in the order a search meets them: breadth first from the root's list.
// The short prefixes that every search walks then lie together at the front of
// the array instead of spread over it, and far fewer of them miss the cache.
std::vector<uint32_t> placementOrder(const ListInterner& lists, uint32_t rootList) {
  std::vector<uint32_t> order;
  order.reserve(lists.listCount());
  std::vector<bool> placed(lists.listCount(), false);
  placed[0] = true;  // the empty list takes no place
  const auto place = [&](uint32_t id) {
    if (placed[id]) return;
    placed[id] = true;
    order.push_back(id);
  };
  place(rootList);
  for (size_t i = 0; i < order.size(); ++i) {
    for (const ListEntry* entry = lists.begin(order[i]); entry != lists.end(order[i]); ++entry) {
      place(entry->listId);
    }
  }
  // Every interned list is some word's, so reachable; any other keeps its place.
  for (uint32_t id = 1; id < lists.listCount(); ++id) place(id);
  return order;
}

PackedNode makeNode(uint32_t letter, bool endOfWord, bool lastSibling, uint32_t child) {
  return letter | (endOfWord ? kEndOfWord : 0u) | (lastSibling ? kLastSibling : 0u) |
         (child << 8);
}

std::vector<PackedNode> layOutNodes(const ListInterner& lists, uint32_t rootList) {
  const std::vector<uint32_t> order = placementOrder(lists, rootList);
  // Index 0 means "no children", so a filler node takes it.
  std::vector<uint32_t> start(lists.listCount(), 0);
  size_t next = 1;
  for (const uint32_t id : order) {
    start[id] = static_cast<uint32_t>(next);
    next += lists.size(id);
  }
  std::vector<PackedNode> nodes;
  nodes.reserve(next + 1);
  nodes.push_back(0);
  for (const uint32_t id : order) {
    for (const ListEntry* entry = lists.begin(id); entry != lists.end(id); ++entry) {
      nodes.push_back(makeNode(entry->letter, entry->endOfWord, entry + 1 == lists.end(id),
                               start[entry->listId]));
    }
  }
  nodes.push_back(makeNode(0, false, true, start[rootList]));
  return nodes;
}

void putRecord(std::vector<uint8_t>& bytes, PackedNode node) {
  const auto byteAt = [node](int shift) { return static_cast<uint8_t>((node >> shift) & 0xFFu); };
  bytes.push_back(byteAt(0));
  bytes.push_back(byteAt(8));
  if (byteAt(24) == 0 && byteAt(16) <= kMaxShortRecordHigh) {
    bytes.push_back(static_cast<uint8_t>(byteAt(16) + 15));
    return;
  }
  bytes.push_back(byteAt(24));
  bytes.push_back(byteAt(16));
}

}  // namespace

std::vector<PackedNode> buildGraphNodes(const std::vector<std::string>& words,
                                       std::string& error, const PackProgress& progress) {
  if (words.empty()) {
    error = "de woordenlijst is leeg";
    return {};
  }
  for (const std::string& word : words) {
    error = checkWord(word);
    if (!error.empty()) return {};
  }
  // A prepared list is sorted and unique already; only another one is copied.
  std::vector<std::string> copy;
  const bool ready = std::adjacent_find(words.begin(), words.end(), std::greater_equal<>()) ==
                     words.end();
  if (!ready) {
    copy = words;
    std::sort(copy.begin(), copy.end());
    copy.erase(std::unique(copy.begin(), copy.end()), copy.end());
  }
  ListInterner interner;
  const uint32_t rootList = internWords(ready ? words : copy, interner, progress);
  return layOutNodes(interner, rootList);
}

PackedGraph packGraphNodes(const std::vector<PackedNode>& nodes) {
  PackedGraph packed;
  if (nodes.empty()) {
    packed.error = "de woordgraaf heeft geen knopen";
    return packed;
  }
  for (size_t i = 0; i < nodes.size(); ++i) {
    const uint32_t child = firstChild(nodes[i]);
    if (child >= kMaxChildIndex) {
      packed.error = "knoop " + std::to_string(i) + ": kindindex " + std::to_string(child) +
                     " is niet kleiner dan " + std::to_string(kMaxChildIndex);
      return packed;
    }
    if (child >= nodes.size()) {
      packed.error = "knoop " + std::to_string(i) + ": kindindex " + std::to_string(child) +
                     " ligt buiten de " + std::to_string(nodes.size()) + " knopen";
      return packed;
    }
  }
  packed.bytes.reserve(kGraphHeaderSize + nodes.size() * 4);
  packed.bytes.insert(packed.bytes.end(), std::begin(kGraphMagic), std::end(kGraphMagic));
  packed.bytes.push_back(kGraphFormatVersion);
  packed.bytes.resize(kGraphHeaderSize, 0);
  for (const PackedNode node : nodes) putRecord(packed.bytes, node);
  packed.nodeCount = nodes.size();
  return packed;
}

PackedGraph packWordGraph(const std::vector<std::string>& words, const PackProgress& progress) {
  std::string error;
  const std::vector<PackedNode> nodes = buildGraphNodes(words, error, progress);
  if (!error.empty()) {
    PackedGraph failed;
    failed.error = error;
    return failed;
  }
  return packGraphNodes(nodes);
}

}  // namespace kwarrel
