#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "dict/graph_packer.h"
#include "dict/word_graph.h"

extern "C" const unsigned char kwarrel_word_graph_begin[];
extern "C" const unsigned char kwarrel_word_graph_end[];

namespace kwarrel {
namespace {

std::vector<std::string> readWordList() {
  std::ifstream in(std::string(KWARREL_SOURCE_DIR) + "/resources/woordenlijst.txt");
  std::vector<std::string> words;
  std::string line;
  while (std::getline(in, line)) words.push_back(line);
  return words;
}

std::vector<uint8_t> codes(const std::string& word) {
  std::vector<uint8_t> letters;
  for (const char c : word) letters.push_back(static_cast<uint8_t>(c & 31));
  return letters;
}

// A node's packed record: its low half.
PackedNode recordOf(GraphNode node) { return static_cast<PackedNode>(node); }

GraphNode lookup(const WordGraph& graph, const std::string& word) {
  const std::vector<uint8_t> letters = codes(word);
  return graph.lookupWord(letters.data(), static_cast<int>(letters.size()));
}

// Every word of the graph in array order, as the search would meet them.
void collectWords(const WordGraph& graph, GraphNode node, std::string& prefix,
                  std::vector<std::string>& words) {
  uint32_t index = firstChild(node);
  if (index == 0) return;
  for (;; ++index) {
    const GraphNode child = graph.node(index);
    prefix.push_back(static_cast<char>('a' + nodeLetter(child) - 1));
    if (isEndOfWord(child)) words.push_back(prefix);
    collectWords(graph, child, prefix, words);
    prefix.pop_back();
    if (isLastSibling(child)) break;
  }
}

std::vector<std::string> allWords(const WordGraph& graph) {
  std::vector<std::string> words;
  std::string prefix;
  collectWords(graph, graph.root(), prefix, words);
  return words;
}

// Expands from a heap copy of exactly `bytes.size()` bytes, so that any read past
// the end is caught by AddressSanitizer.
std::optional<WordGraph> expand(const std::vector<uint8_t>& bytes, int* errorCode = nullptr) {
  const std::unique_ptr<uint8_t[]> copy(new uint8_t[bytes.size() + (bytes.empty() ? 1 : 0)]);
  if (!bytes.empty()) std::memcpy(copy.get(), bytes.data(), bytes.size());
  return WordGraph::fromRecords(copy.get(), bytes.size(), errorCode);
}

std::vector<uint8_t> withHeader(std::initializer_list<uint8_t> records) {
  std::vector<uint8_t> bytes = {'K', 'W', 'G', 'R', 1, 0, 0, 0};
  bytes.insert(bytes.end(), records);
  return bytes;
}

TEST(BuiltInWordGraph, HoldsExactlyTheWordListInOrder) {
  const std::vector<std::string> list = readWordList();
  ASSERT_GT(list.size(), 250000u);
  const WordGraph& graph = builtInWordGraph();

  for (const std::string& word : list) {
    ASSERT_TRUE(isEndOfWord(lookup(graph, word))) << word;
    ASSERT_TRUE(isListedWord(graph, word)) << word;
  }
  // Siblings are alphabetical, so the walk gives the sorted list itself.
  EXPECT_EQ(allWords(graph), list);
}

TEST(BuiltInWordGraph, LookupTellsWordsFromPrefixes) {
  const WordGraph& graph = builtInWordGraph();

  EXPECT_EQ(graph.lookupWord(nullptr, 0), 0u);
  const uint8_t h = 8;
  EXPECT_EQ(graph.lookupWord(&h, -1), 0u);

  // A one-letter string: the letter's node under the root, never a word.
  for (uint8_t letter = 1; letter <= 26; ++letter) {
    const GraphNode node = graph.lookupWord(&letter, 1);
    ASSERT_NE(node, 0u);
    EXPECT_EQ(nodeLetter(node), letter);
    EXPECT_FALSE(isEndOfWord(node));
  }

  // Proper prefix that is no word: bit 6 clear, longer words follow.
  const GraphNode prefix = lookup(graph, "woordenlij");
  EXPECT_EQ(nodeLetter(prefix), 'j' & 31);
  EXPECT_FALSE(isEndOfWord(prefix));
  EXPECT_NE(firstChild(prefix), 0u);

  // A word that starts longer words ("huisje").
  const GraphNode word = lookup(graph, "huis");
  EXPECT_TRUE(isEndOfWord(word));
  EXPECT_NE(firstChild(word), 0u);

  EXPECT_TRUE(isEndOfWord(lookup(graph, "woordenlijst")));
  EXPECT_EQ(lookup(graph, "woordenlijstq"), 0u);
  EXPECT_EQ(lookup(graph, "qqq"), 0u);
}

TEST(BuiltInWordGraph, LettersOutsideTheAlphabetMatchNothing) {
  const WordGraph& graph = builtInWordGraph();
  for (const uint8_t bad : {uint8_t{0}, uint8_t{27}, uint8_t{31}, uint8_t{65}, uint8_t{255}}) {
    const uint8_t letters[] = {8, bad};  // "h" then a bad code
    EXPECT_EQ(graph.lookupWord(letters, 2), 0u) << int{bad};
    EXPECT_EQ(graph.lookupWord(&bad, 1), 0u) << int{bad};
  }

  EXPECT_TRUE(isListedWord(graph, "huis"));
  EXPECT_TRUE(isListedWord(graph, "HUIS"));
  EXPECT_TRUE(isListedWord(graph, "HuIs"));
  EXPECT_FALSE(isListedWord(graph, ""));
  EXPECT_FALSE(isListedWord(graph, "h"));
  EXPECT_FALSE(isListedWord(graph, "huiz"));
  EXPECT_FALSE(isListedWord(graph, "huis "));
  // '!' and '(' share their low five bits with 'a' and 'h'; they are no letters.
  EXPECT_FALSE(isListedWord(graph, "!a"));
  EXPECT_FALSE(isListedWord(graph, "(uis"));
  EXPECT_FALSE(isListedWord(graph, "h\xE9"));
  EXPECT_FALSE(isListedWord(graph, std::string("hu\0is", 5)));
  EXPECT_FALSE(isListedWord(graph, std::string(400, 'a')));
}

// A graph without nodes (as the tests of the board and scores use) finds nothing
// and never reads a node it does not have.
TEST(WordGraphRecords, EmptyGraphFindsNothing) {
  const WordGraph empty;
  EXPECT_EQ(empty.root(), 0u);
  const std::vector<uint8_t> huis = codes("HUIS");
  EXPECT_EQ(empty.lookupWord(huis.data(), 4), 0u);
  EXPECT_FALSE(isListedWord(empty, "huis"));
}

TEST(WordGraphRecords, ExpandShortAndLongForms) {
  int errorCode = 0;
  const auto graph = expand(withHeader({
                                0x00, 0x00, 15,          // 3-byte, byte 2 exactly 15
                                0xC1, 0x00, 15,          // 'a', word, last sibling
                                0x81, 0x01, 0x00, 0x00,  // 4-byte form of a small node
                                0x82, 0x01, 15 + 0,      // 'b', last, child 1
                                0x80, 0x03, 15,          // root: first letters at 3
                            }),
                            &errorCode);
  ASSERT_TRUE(graph.has_value()) << errorCode;
  ASSERT_EQ(graph->nodeCount(), 5u);
  EXPECT_EQ(recordOf(graph->node(0)), 0u);
  EXPECT_EQ(recordOf(graph->node(1)), 0xC1u);
  EXPECT_EQ(recordOf(graph->node(2)), 0x0181u);
  EXPECT_EQ(recordOf(graph->node(3)), 0x0182u);
  EXPECT_EQ(recordOf(graph->root()), 0x0380u);
  const uint8_t ba[] = {2, 1};
  EXPECT_EQ(recordOf(graph->lookupWord(ba, 2)), 0xC1u);

  // The 4-byte form: byte 2 is bits 24..31, byte 3 bits 16..23.
  std::vector<uint8_t> bytes = withHeader({0x00, 0x00, 15});
  for (int i = 1; i < 65539; ++i) bytes.insert(bytes.end(), {0x80, 0x00, 15});
  bytes.insert(bytes.end(), {0x85, 0x02, 0x01, 0x00});  // child 0x010002 = 65538
  bytes.insert(bytes.end(), {0x86, 0x04, 0x00, 0xF1});  // child 0x00F104 = 61700
  bytes.insert(bytes.end(), {0x80, 0x03, 15 + 0xF0});   // child 0x00F003 = 61443
  const auto big = expand(bytes, &errorCode);
  ASSERT_TRUE(big.has_value()) << errorCode;
  ASSERT_EQ(big->nodeCount(), 65542u);
  EXPECT_EQ(recordOf(big->node(65539)), 0x01000285u);
  EXPECT_EQ(recordOf(big->node(65540)), 0x00F10486u);
  EXPECT_EQ(recordOf(big->root()), 0x00F00380u);
}

// Sibling order carries no meaning: a list out of alphabetical order, even with a
// letter twice, is looked up by scanning, and the first match counts.
TEST(WordGraphRecords, SiblingsInAnyOrderAreFoundByTheirFirstMatch) {
  const auto graph = expand(withHeader({
      0x00, 0x00, 15,  // filler
      0x43, 0x00, 15,  // 'c', word
      0x01, 0x04, 15,  // 'a', children at 4
      0xC1, 0x00, 15,  // 'a' again, word, last sibling
      0xD4, 0x00, 15,  // 't', word, last sibling
      0x80, 0x01, 15,  // root: first letters at 1
  }));
  ASSERT_TRUE(graph.has_value());
  const GraphNode root = graph->root();
  EXPECT_EQ(graph->childLetters(root), (1u << 1) | (1u << 3) | kIrregularSiblings);
  EXPECT_EQ(graph->childWithLetter(root, 1), graph->node(2));
  EXPECT_EQ(graph->childLetters(graph->node(2)), 1u << 20) << "one child is in order";
  EXPECT_EQ(graph->childLetters(graph->node(4)), 0u);
  EXPECT_TRUE(isListedWord(*graph, "c"));
  EXPECT_TRUE(isListedWord(*graph, "at"));
  EXPECT_FALSE(isListedWord(*graph, "a")) << "the first 'a' is not a word";
  EXPECT_FALSE(isListedWord(*graph, "b"));

  // The built-in lists are alphabetical: children are found by counting.
  const WordGraph& builtIn = builtInWordGraph();
  EXPECT_EQ(builtIn.childLetters(builtIn.root()) & kIrregularSiblings, 0u);
  const GraphNode z = builtIn.childWithLetter(builtIn.root(), 26);
  EXPECT_EQ(nodeLetter(z), 26);
  EXPECT_NE(builtIn.childLetters(z) & (1u << 1), 0u) << "a word starts with ZA";
}

TEST(WordGraphRecords, PackerUsesTheShortFormWheneverItFits) {
  // Child indices at the edges of both forms survive packing and expansion.
  std::vector<PackedNode> nodes(kMaxChildIndex, kLastSibling);
  nodes[0] = 0;
  nodes[1] = 1 | (61695u << 8);  // bits 16..23 = 240: 3 bytes
  nodes[2] = 2 | (61696u << 8);  // bits 16..23 = 241: 4 bytes
  nodes[3] = 3 | ((kMaxChildIndex - 1) << 8);
  nodes.back() = kLastSibling | (1u << 8);
  const PackedGraph packed = packGraphNodes(nodes);
  ASSERT_EQ(packed.error, "");
  EXPECT_EQ(packed.nodeCount, nodes.size());
  EXPECT_EQ(packed.bytes.size(), kGraphHeaderSize + nodes.size() * 3 + 2);
  EXPECT_EQ(std::memcmp(packed.bytes.data(), "KWGR", 4), 0);
  const auto graph = expand(packed.bytes);
  ASSERT_TRUE(graph.has_value());
  EXPECT_TRUE(std::equal(nodes.begin(), nodes.end(), graph->nodes(),
                         [](PackedNode a, GraphNode b) { return a == recordOf(b); }));

  std::vector<PackedNode> tooFar = nodes;
  tooFar.push_back(kLastSibling);
  tooFar[3] = 3 | (kMaxChildIndex << 8);
  EXPECT_NE(packGraphNodes(tooFar).error, "");
  EXPECT_NE(packGraphNodes({kLastSibling | (1u << 8)}).error, "");  // past the end
  EXPECT_NE(packGraphNodes({}).error, "");
}

TEST(WordGraphRecords, DamagedGraphsAreRefused) {
  const auto refused = [](const std::vector<uint8_t>& bytes, int expectedCode) {
    int errorCode = 0;
    EXPECT_FALSE(expand(bytes, &errorCode).has_value());
    EXPECT_EQ(errorCode, expectedCode);
  };
  refused({}, kGraphErrorBadLength);
  refused({'K', 'W', 'G'}, kGraphErrorBadLength);
  refused(withHeader({}), kGraphErrorBadLength);                     // header only
  refused(withHeader({0x80, 0x00}), kGraphErrorBadLength);           // 3-byte record cut
  refused(withHeader({0x80, 0x00, 15, 0x80, 0x00, 0x00}), kGraphErrorBadLength);  // 4-byte cut
  refused(withHeader({0x00, 0x00, 15, 0x80, 0x02, 15}), kGraphErrorBadData);  // child 2 of 2
  refused(withHeader({0x00, 0x00, 15, 0x80, 0x00, 0x0E, 0xFF}), kGraphErrorBadData);
  // A child list that never ends: no last-sibling node at or after it.
  refused(withHeader({0x00, 0x00, 15, 0x01, 0x00, 15, 0x00, 0x01, 15}), kGraphErrorBadData);

  // The built-in bytes cut short by one or two bytes.
  const std::vector<uint8_t> whole(kwarrel_word_graph_begin, kwarrel_word_graph_end);
  ASSERT_TRUE(expand(whole).has_value());
  for (size_t cut = 1; cut <= 2; ++cut) {
    refused(std::vector<uint8_t>(whole.begin(), whole.end() - static_cast<std::ptrdiff_t>(cut)),
            kGraphErrorBadLength);
  }
}

TEST(GraphPacker, SharesTailsAndWalksBackToTheWords) {
  const std::vector<std::string> words = {"rat", "kat", "mat", "kater", "katten", "de",
                                          "den", "kat", "dek"};
  const PackedGraph packed = packWordGraph(words);
  ASSERT_EQ(packed.error, "");
  const auto graph = expand(packed.bytes);
  ASSERT_TRUE(graph.has_value());
  EXPECT_EQ(graph->nodeCount(), packed.nodeCount);

  std::vector<std::string> expected = words;
  std::sort(expected.begin(), expected.end());
  expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
  EXPECT_EQ(allWords(*graph), expected);
  EXPECT_TRUE(isListedWord(*graph, "kater"));
  EXPECT_FALSE(isListedWord(*graph, "kate"));

  // "mat" and "rat" end in the same nodes as "kat" would without its longer words:
  // filler, [t], [a], [k m r], root.
  const PackedGraph rhymes = packWordGraph({"rat", "kat", "mat"});
  EXPECT_EQ(rhymes.nodeCount, 7u);
  EXPECT_EQ(lookup(*expand(rhymes.bytes), "ma"), lookup(*expand(rhymes.bytes), "ra"));

  // The same words in any order and with repeats give the same bytes.
  EXPECT_EQ(packWordGraph({"mat", "rat", "kat", "kat"}).bytes, rhymes.bytes);
}

TEST(GraphPacker, RefusesWordsOutsideTheLimits) {
  EXPECT_NE(packWordGraph({}).error, "");
  EXPECT_NE(packWordGraph({"kat", "a"}).error, "");
  EXPECT_NE(packWordGraph({"kat", ""}).error, "");
  EXPECT_EQ(packWordGraph({"abcdefghijklmno"}).error, "");
  EXPECT_NE(packWordGraph({"abcdefghijklmnop"}).error, "");
  EXPECT_NE(packWordGraph({"Kat"}).error, "");
  EXPECT_NE(packWordGraph({"ka-t"}).error, "");
  EXPECT_NE(packWordGraph({"caf\xE9"}).error, "");
  const PackedGraph failed = packWordGraph({"kat", "x"});
  EXPECT_TRUE(failed.bytes.empty());
  EXPECT_NE(failed.error.find("\"x\""), std::string::npos) << failed.error;
}

}  // namespace
}  // namespace kwarrel
