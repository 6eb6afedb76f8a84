#include "files/save.h"

#include <cstring>

#include "files/board_page.h"
#include "files/listing.h"
#include "files/paths.h"
#include "files/turn_pages.h"
#include "game/turn_cycle.h"

namespace kwarrel {

namespace {

bool endsWithIgnoringCase(const std::string& text, const char* ending) {
  const size_t length = std::strlen(ending);
  if (text.size() < length) return false;
  for (size_t i = 0; i < length; ++i) {
    if (lowerCase(text[text.size() - length + i]) != ending[i]) return false;
  }
  return true;
}

}  // namespace

SaveForm saveFormFor(const std::string& path) {
  const std::string name = bareName(path);
  if (name.size() >= 6 && endsWithIgnoringCase(name, ".html")) return SaveForm::BoardPage;
  if (name.size() >= 5 && endsWithIgnoringCase(name, ".htm")) return SaveForm::TurnPages;
  if (name.size() >= 5 && endsWithIgnoringCase(name, ".max")) return SaveForm::MaxListing;
  return SaveForm::Listing;
}

bool saveGame(GameState& state, const std::string& path) {
  std::string failedPath;
  return saveGame(state, path, failedPath);
}

bool saveGame(GameState& state, const std::string& path, std::string& failedPath,
              FileWriter& files, const std::string& standingsLink) {
  failedPath.clear();
  bool written = false;
  switch (saveFormFor(path)) {
    case SaveForm::BoardPage:
      written = writeBoardPage(state, path, files, standingsLink);
      break;
    case SaveForm::TurnPages: {
      const std::string name = bareName(path);
      TurnPagesWriter writer;
      writer.folder = folderOf(path);
      writer.standingsLink = standingsLink;
      written = writeTurnPages(state, writer, 0, name.substr(0, name.size() - 4), path, true, files);
      recomputeAfresh(state);
      if (!written) failedPath = writer.failedPath;
      return written;
    }
    case SaveForm::MaxListing:
      written = writeGameListing(state, path, true, files);
      break;
    case SaveForm::Listing:
      written = writeGameListing(state, path, false, files);
      break;
  }
  if (!written) failedPath = path;
  return written;
}

}  // namespace kwarrel
