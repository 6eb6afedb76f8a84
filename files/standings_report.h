// The standings of a game and the season table as reports: a text listing, one
// HTML page (for a club's website: valid HTML5, readable on a phone, printable
// on A4) and a spreadsheet file with ';' between the fields.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "players/standings.h"

namespace kwarrel {

enum class ReportForm { Text, Html, Csv };

// The form the ending of `path` selects (case ignored): ".html" or ".htm" the
// page, ".csv" the spreadsheet file, anything else the text listing.
ReportForm reportFormFor(const std::string& path);

// `title` names the game (its file name) at the top of the listing and the page.
std::string standingsText(const Klassement& standings, std::string_view title);
std::string standingsHtml(const Klassement& standings, std::string_view title);
std::string standingsCsv(const Klassement& standings);

// Replaces `path` with the standings in the form its ending selects.
bool writeStandings(const std::string& path, const Klassement& standings, std::string_view title);

std::string seasonText(const std::vector<SeasonRow>& rows);
std::string seasonHtml(const std::vector<SeasonRow>& rows);
std::string seasonCsv(const std::vector<SeasonRow>& rows);

// Replaces `path` with the season table in the form its ending selects.
bool writeSeason(const std::string& path, const std::vector<SeasonRow>& rows);

}  // namespace kwarrel
