#include "dict/graph_packer.h"

#include <algorithm>
#include <unordered_map>

namespace kwarrel {
namespace {

// One child in a list being built: its letter, end-of-word flag and the id of
// its own child list (0 = none).
struct ListEntry {
  uint8_t letter = 0;
  bool endOfWord = false;
  uint32_t listId = 0;
};

// Child lists are interned: two nodes with equal child lists share one list, and
// since a node is its letter, flag and child list, equal tails collapse.
class ListInterner {
 public:
  ListInterner() : lists_(1) {}  // id 0: the empty list

  uint32_t intern(const std::vector<ListEntry>& entries) {
    if (entries.empty()) return 0;
    std::string key;
    key.reserve(entries.size() * 5);
    for (const ListEntry& entry : entries) {
      key.push_back(static_cast<char>(entry.letter | (entry.endOfWord ? 0x40 : 0)));
      for (int shift = 0; shift < 32; shift += 8) {
        key.push_back(static_cast<char>((entry.listId >> shift) & 0xFFu));
      }
    }
    const auto [found, inserted] =
        ids_.try_emplace(std::move(key), static_cast<uint32_t>(lists_.size()));
    if (inserted) lists_.push_back(entries);
    return found->second;
  }

  const std::vector<std::vector<ListEntry>>& lists() const { return lists_; }

 private:
  std::unordered_map<std::string, uint32_t> ids_;
  std::vector<std::vector<ListEntry>> lists_;
};

std::string checkWord(const std::string& word) {
  if (word.size() < kMinWordLetters || word.size() > kMaxWordLetters) {
    return "woord \"" + word + "\" heeft " + std::to_string(word.size()) +
           " letters; toegestaan is " + std::to_string(kMinWordLetters) + " tot " +
           std::to_string(kMaxWordLetters);
  }
  for (const char c : word) {
    if (c < 'a' || c > 'z') {
      return "woord \"" + word + "\" bevat een teken buiten a-z";
    }
  }
  return {};
}

// Closes the deepest open level: its list is complete, so it is interned and
// becomes the child list of the last entry one level up.
void closeLevel(std::vector<std::vector<ListEntry>>& levels, ListInterner& interner) {
  const uint32_t id = interner.intern(levels.back());
  levels.pop_back();
  levels.back().back().listId = id;
}

// Feeds sorted unique words through a stack of open child lists, one per letter
// of the current word; a list is interned as soon as no later word can add to
// it, so the full trie never exists in memory.
uint32_t internWords(const std::vector<std::string>& sorted, ListInterner& interner) {
  std::vector<std::vector<ListEntry>> levels(1);
  const std::string* previous = nullptr;
  for (const std::string& word : sorted) {
    size_t common = 0;
    if (previous != nullptr) {
      const size_t limit = std::min(previous->size(), word.size());
      while (common < limit && (*previous)[common] == word[common]) ++common;
    }
    while (levels.size() > common + 1) closeLevel(levels, interner);
    for (size_t i = common; i < word.size(); ++i) {
      const uint8_t code = static_cast<uint8_t>(word[i] - 'a' + 1);
      levels.back().push_back({code, i + 1 == word.size(), 0});
      levels.emplace_back();
    }
    previous = &word;
  }
  while (levels.size() > 1) closeLevel(levels, interner);
  return interner.intern(levels.front());
}

// Lists in the order a search meets them: breadth first from the root's list.
// The short prefixes that every search walks then lie together at the front of
// the array instead of spread over it, and far fewer of them miss the cache.
std::vector<uint32_t> placementOrder(const std::vector<std::vector<ListEntry>>& lists,
                                     uint32_t rootList) {
  std::vector<uint32_t> order;
  order.reserve(lists.size());
  std::vector<bool> placed(lists.size(), false);
  placed[0] = true;  // the empty list takes no place
  const auto place = [&](uint32_t id) {
    if (placed[id]) return;
    placed[id] = true;
    order.push_back(id);
  };
  place(rootList);
  for (size_t i = 0; i < order.size(); ++i) {
    for (const ListEntry& entry : lists[order[i]]) place(entry.listId);
  }
  // Every interned list is some word's, so reachable; any other keeps its place.
  for (uint32_t id = 1; id < lists.size(); ++id) place(id);
  return order;
}

PackedNode makeNode(uint32_t letter, bool endOfWord, bool lastSibling, uint32_t child) {
  return letter | (endOfWord ? kEndOfWord : 0u) | (lastSibling ? kLastSibling : 0u) |
         (child << 8);
}

std::vector<PackedNode> layOutNodes(const std::vector<std::vector<ListEntry>>& lists,
                                   uint32_t rootList) {
  const std::vector<uint32_t> order = placementOrder(lists, rootList);
  // Index 0 means "no children", so a filler node takes it.
  std::vector<uint32_t> start(lists.size(), 0);
  size_t next = 1;
  for (const uint32_t id : order) {
    start[id] = static_cast<uint32_t>(next);
    next += lists[id].size();
  }
  std::vector<PackedNode> nodes;
  nodes.reserve(next + 1);
  nodes.push_back(0);
  for (const uint32_t id : order) {
    const auto& list = lists[id];
    for (size_t i = 0; i < list.size(); ++i) {
      const ListEntry& entry = list[i];
      nodes.push_back(makeNode(entry.letter, entry.endOfWord, i + 1 == list.size(),
                               start[entry.listId]));
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
                                       std::string& error) {
  if (words.empty()) {
    error = "de woordenlijst is leeg";
    return {};
  }
  for (const std::string& word : words) {
    error = checkWord(word);
    if (!error.empty()) return {};
  }
  std::vector<std::string> sorted = words;
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());

  ListInterner interner;
  const uint32_t rootList = internWords(sorted, interner);
  return layOutNodes(interner.lists(), rootList);
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

PackedGraph packWordGraph(const std::vector<std::string>& words) {
  std::string error;
  const std::vector<PackedNode> nodes = buildGraphNodes(words, error);
  if (!error.empty()) {
    PackedGraph failed;
    failed.error = error;
    return failed;
  }
  return packGraphNodes(nodes);
}

}  // namespace kwarrel
