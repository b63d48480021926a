// A fresh, empty current folder for the life of the object, so that the results file a sweep
// writes lands there; the previous current folder is restored afterwards.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace zelmora::testing {

class ScratchFolder {
 public:
  ScratchFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
  ~ScratchFolder() { QDir::setCurrent(previous_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The lines of a file in the folder, without their CR LF endings; empty when it is missing.
  QStringList LinesOf(const QString& name) const {
    QFile file(folder_.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
  }
  bool Holds(const QString& name) const { return QFile::exists(folder_.filePath(name)); }

 private:
  QTemporaryDir folder_;
  QString previous_;
};

}  // namespace zelmora::testing
