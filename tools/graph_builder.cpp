// kwarrel-graph-builder LIST OUT: packs the word list (one word a line) into the
// word graph that is built into the program. Any word or format limit that is
// broken fails the build with a message.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "dict/graph_packer.h"

namespace {

bool readWords(const char* path, std::vector<std::string>& words) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    words.push_back(line);
  }
  return !in.bad();
}

bool writeBytes(const char* path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("Gebruik: kwarrel-graph-builder WOORDENLIJST UITVOER\n", stderr);
    return 2;
  }
  std::vector<std::string> words;
  if (!readWords(argv[1], words)) {
    std::fprintf(stderr, "kwarrel-graph-builder: kan %s niet lezen\n", argv[1]);
    return 1;
  }
  const kwarrel::PackedGraph packed = kwarrel::packWordGraph(words);
  if (!packed.error.empty()) {
    std::fprintf(stderr, "kwarrel-graph-builder: %s: %s\n", argv[1], packed.error.c_str());
    return 1;
  }
  if (!writeBytes(argv[2], packed.bytes)) {
    std::fprintf(stderr, "kwarrel-graph-builder: kan %s niet schrijven\n", argv[2]);
    std::remove(argv[2]);
    return 1;
  }
  std::printf("kwarrel-graph-builder: %zu woorden, %zu knopen, %zu bytes\n", words.size(),
              packed.nodeCount, packed.bytes.size());
  return 0;
}
