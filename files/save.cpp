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

bool saveGame(GameState& state, const std::string& path, const std::string& standingsLink) {
  switch (saveFormFor(path)) {
    case SaveForm::BoardPage:
      return writeBoardPage(state, path, standingsLink);
    case SaveForm::TurnPages: {
      const std::string name = bareName(path);
      const std::string stem = name.substr(0, name.size() - 4);
      const bool written = writeTurnPages(state, 0, stem, path, true, standingsLink);
      recomputeAfresh(state);
      return written;
    }
    case SaveForm::MaxListing:
      return writeGameListing(state, path, true);
    case SaveForm::Listing:
      break;
  }
  return writeGameListing(state, path, false);
}

}  // namespace kwarrel
