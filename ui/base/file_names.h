// File names cross between Qt and the core here only. A file name is not a game
// text: it goes to the core in the file system's own encoding, so a name with an
// accent or a euro sign names the same file the file dialog showed.
#pragma once

#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace kwarrel::ui {

inline std::string toFileSystemPath(const QString& path) {
  const QByteArray bytes = QFile::encodeName(path);
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

inline QString fromFileSystemPath(std::string_view path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

}  // namespace kwarrel::ui
