#include "files/standings_report.h"

#include <cstring>

#include "files/atomic_file.h"
#include "files/html_text.h"
#include "files/paths.h"
#include "game/letters.h"

namespace kwarrel {

namespace {

constexpr const char* kNameFormat = "%-30s";

bool endsWithIgnoringCase(const std::string& text, const char* ending) {
  const size_t length = std::strlen(ending);
  if (text.size() <= length) return false;
  for (size_t i = 0; i < length; ++i) {
    if (lowerCase(text[text.size() - length + i]) != ending[i]) return false;
  }
  return true;
}

std::string signedText(int64_t value) { return std::to_string(value); }

// The head of every page: HTML5, ISO-8859-1 declared, a viewport for phones and a
// style that prints on A4.
void appendPageHead(std::string& out, std::string_view title) {
  out +=
      "<!DOCTYPE html>\n<html lang=\"nl\">\n<head>\n<meta charset=\"iso-8859-1\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
  appendHtmlEscaped(out, title);
  out +=
      "</title>\n<style>\n"
      "body{font-family:sans-serif;margin:1em;color:#000;background:#fff}\n"
      ".breed{overflow-x:auto;margin-bottom:1em}\n"
      "table{border-collapse:collapse}\n"
      "th,td{border:1px solid #999;padding:.2em .4em;text-align:right;white-space:nowrap}\n"
      "th{background:#e8e8e8}\n"
      ".naam{text-align:left}\n"
      "td.top{font-weight:bold;background:#ffffc0}\n"
      "td.geweigerd{color:#b00000}\n"
      "@media (max-width:600px){body{margin:.3em;font-size:90%}th,td{padding:.1em .2em}}\n"
      "@page{size:A4;margin:12mm}\n"
      "@media print{body{margin:0;font-size:9pt}.breed{overflow:visible}"
      "th,td{padding:1px 3px}td.top{background:none}tr{break-inside:avoid}}\n"
      "</style>\n</head>\n<body>\n<h1>";
  appendHtmlEscaped(out, title);
  out += "</h1>\n";
}

void appendCell(std::string& out, const char* tag, std::string_view text, const char* cls = nullptr) {
  appendFormat(out, "<%s", tag);
  if (cls != nullptr) appendFormat(out, " class=\"%s\"", cls);
  out += '>';
  appendHtmlEscaped(out, text);
  appendFormat(out, "</%s>", tag);
}

std::string standingsTitle(std::string_view title) { return "Uitslag " + std::string(title); }

}  // namespace

ReportForm reportFormFor(const std::string& path) {
  const std::string name = bareName(path);
  if (endsWithIgnoringCase(name, ".html") || endsWithIgnoringCase(name, ".htm")) return ReportForm::Html;
  if (endsWithIgnoringCase(name, ".csv")) return ReportForm::Csv;
  return ReportForm::Text;
}

std::string standingsText(const Klassement& standings, std::string_view title) {
  std::string out = standingsTitle(title) + "\n\n";
  appendFormat(out, "Plaats   Nr  " "%-30s" "  Totaal  Achterstand  Percentage  Tops\n", "Naam");
  for (const Uitslag& row : standings.rows) {
    appendFormat(out, "%6d  %3d  ", row.place, row.number);
    appendFormat(out, kNameFormat, row.name.c_str());
    appendFormat(out, "  %6lld  %11s  %10s  %4d\n", static_cast<long long>(row.total),
                 signedText(row.achterstand).c_str(), row.percentage.c_str(), row.tops);
  }
  appendFormat(out, "\nTop: %lld in %zu beurten\n\nBeurt   Top", static_cast<long long>(standings.topTotal),
               standings.tops.size());
  for (const Uitslag& row : standings.rows) appendFormat(out, "  %4d", row.number);
  out += '\n';
  for (size_t t = 0; t < standings.tops.size(); ++t) {
    appendFormat(out, "%5zu  %4d", t + 1, standings.tops[t]);
    for (const Uitslag& row : standings.rows) {
      appendFormat(out, "  %4d", row.turnScores[t]);
    }
    out += '\n';
  }
  bool headed = false;
  for (size_t t = 0; t < standings.tops.size(); ++t) {
    for (const Uitslag& row : standings.rows) {
      if (row.refusals[t].empty()) continue;
      if (!headed) out += "\nGeweigerde oplossingen:\n";
      headed = true;
      appendFormat(out, "Beurt %zu, speler %d (%s): %s\n", t + 1, row.number, row.name.c_str(),
                   row.refusals[t].c_str());
    }
  }
  return out;
}

std::string standingsHtml(const Klassement& standings, std::string_view title) {
  std::string out;
  out.reserve(16384);
  appendPageHead(out, standingsTitle(title));
  out +=
      "<div class=\"breed\"><table>\n<thead><tr><th>Plaats</th><th>Nr</th>"
      "<th class=\"naam\">Naam</th><th>Totaal</th><th>Achterstand</th><th>Percentage</th>"
      "<th>Tops</th></tr></thead>\n<tbody>\n";
  for (const Uitslag& row : standings.rows) {
    appendFormat(out, "<tr><td>%d</td><td>%d</td>", row.place, row.number);
    appendCell(out, "td", row.name, "naam");
    appendFormat(out, "<td>%lld</td><td>%s</td><td>%s</td><td>%d</td></tr>\n",
                 static_cast<long long>(row.total), signedText(row.achterstand).c_str(),
                 row.percentage.c_str(), row.tops);
  }
  appendFormat(out, "</tbody>\n</table></div>\n<p>Top: %lld in %zu beurten</p>\n",
               static_cast<long long>(standings.topTotal), standings.tops.size());

  out += "<h2>Scores per beurt</h2>\n<div class=\"breed\"><table>\n<thead><tr><th class=\"naam\">Speler</th>";
  for (size_t t = 0; t < standings.tops.size(); ++t) appendFormat(out, "<th>%zu</th>", t + 1);
  out += "<th>Totaal</th></tr></thead>\n<tbody>\n<tr><th class=\"naam\">Top</th>";
  for (const int32_t top : standings.tops) appendFormat(out, "<th>%d</th>", top);
  appendFormat(out, "<th>%lld</th></tr>\n", static_cast<long long>(standings.topTotal));
  std::string notes;
  int noteCount = 0;
  for (const Uitslag& row : standings.rows) {
    const std::string label = std::to_string(row.number) + ' ' + row.name;
    out += "<tr>";
    appendCell(out, "td", label, "naam");
    for (size_t t = 0; t < standings.tops.size(); ++t) {
      const int32_t points = row.turnScores[t];
      if (!row.refusals[t].empty()) {
        ++noteCount;
        out += "<td class=\"geweigerd\" title=\"";
        appendHtmlEscaped(out, row.refusals[t]);
        appendFormat(out, "\">%d<sup><a href=\"#n%d\">%d</a></sup></td>", points, noteCount,
                     noteCount);
        appendFormat(notes, "<li id=\"n%d\">Beurt %zu, speler %d (", noteCount, t + 1, row.number);
        appendHtmlEscaped(notes, row.name);
        notes += "): ";
        appendHtmlEscaped(notes, row.refusals[t]);
        notes += "</li>\n";
      } else if (points == standings.tops[t] && points > 0) {
        appendFormat(out, "<td class=\"top\">%d</td>", points);
      } else {
        appendFormat(out, "<td>%d</td>", points);
      }
    }
    appendFormat(out, "<td>%lld</td></tr>\n", static_cast<long long>(row.total));
  }
  out += "</tbody>\n</table></div>\n<p>Vet: de top van de beurt.</p>\n";
  if (!notes.empty()) out += "<h2>Geweigerde oplossingen</h2>\n<ol>\n" + notes + "</ol>\n";
  out += "</body>\n</html>\n";
  return out;
}

std::string standingsCsv(const Klassement& standings) {
  std::string out = "plaats;nummer;naam;totaal;achterstand;percentage;tops";
  for (size_t t = 0; t < standings.tops.size(); ++t) appendFormat(out, ";beurt %zu", t + 1);
  out += '\n';
  for (const Uitslag& row : standings.rows) {
    appendFormat(out, "%d;%d;", row.place, row.number);
    out += row.name;
    appendFormat(out, ";%lld;%s;%s;%d", static_cast<long long>(row.total),
                 signedText(row.achterstand).c_str(), row.percentage.c_str(), row.tops);
    for (const int32_t points : row.turnScores) appendFormat(out, ";%d", points);
    out += '\n';
  }
  return out;
}

bool writeStandings(const std::string& path, const Klassement& standings, std::string_view title) {
  switch (reportFormFor(path)) {
    case ReportForm::Html: return writeFileAtomically(path, standingsHtml(standings, title));
    case ReportForm::Csv: return writeFileAtomically(path, standingsCsv(standings));
    case ReportForm::Text: break;
  }
  return writeFileAtomically(path, standingsText(standings, title));
}

std::string seasonText(const std::vector<SeasonRow>& rows) {
  std::string out = "Klassement\n\n";
  appendFormat(out, "Plaats  " "%-30s" "  Spellen  Totaal     Top  Percentage  Gemiddeld\n", "Naam");
  for (const SeasonRow& row : rows) {
    appendFormat(out, "%6d  ", row.place);
    appendFormat(out, kNameFormat, row.name.c_str());
    appendFormat(out, "  %7d  %6lld  %6lld  %10s  %9s\n", row.games, static_cast<long long>(row.total),
                 static_cast<long long>(row.topTotal), row.percentage.c_str(),
                 row.averagePercentage.c_str());
  }
  return out;
}

std::string seasonHtml(const std::vector<SeasonRow>& rows) {
  std::string out;
  appendPageHead(out, "Klassement");
  out +=
      "<div class=\"breed\"><table>\n<thead><tr><th>Plaats</th><th class=\"naam\">Naam</th>"
      "<th>Spellen</th><th>Totaal</th><th>Top</th><th>Percentage</th>"
      "<th>Gemiddeld percentage</th></tr></thead>\n<tbody>\n";
  for (const SeasonRow& row : rows) {
    appendFormat(out, "<tr><td>%d</td>", row.place);
    appendCell(out, "td", row.name, "naam");
    appendFormat(out, "<td>%d</td><td>%lld</td><td>%lld</td><td>%s</td><td>%s</td></tr>\n",
                 row.games, static_cast<long long>(row.total), static_cast<long long>(row.topTotal),
                 row.percentage.c_str(), row.averagePercentage.c_str());
  }
  out += "</tbody>\n</table></div>\n</body>\n</html>\n";
  return out;
}

std::string seasonCsv(const std::vector<SeasonRow>& rows) {
  std::string out = "plaats;naam;spellen;totaal;top;percentage;gemiddeld percentage\n";
  for (const SeasonRow& row : rows) {
    appendFormat(out, "%d;", row.place);
    out += row.name;
    appendFormat(out, ";%d;%lld;%lld;%s;%s\n", row.games, static_cast<long long>(row.total),
                 static_cast<long long>(row.topTotal), row.percentage.c_str(),
                 row.averagePercentage.c_str());
  }
  return out;
}

bool writeSeason(const std::string& path, const std::vector<SeasonRow>& rows) {
  switch (reportFormFor(path)) {
    case ReportForm::Html: return writeFileAtomically(path, seasonHtml(rows));
    case ReportForm::Csv: return writeFileAtomically(path, seasonCsv(rows));
    case ReportForm::Text: break;
  }
  return writeFileAtomically(path, seasonText(rows));
}

}  // namespace kwarrel
