#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace window::testing {

// A fresh folder that is the current folder while the object lives.
class CurrentTempFolder {
 public:
  CurrentTempFolder();
  ~CurrentTempFolder();
  CurrentTempFolder(const CurrentTempFolder&) = delete;
  CurrentTempFolder& operator=(const CurrentTempFolder&) = delete;

  QString Path() const { return folder_.path(); }
  // Writes `bytes` exactly, as the file `name` in the folder.
  void Write(const QString& name, const QByteArray& bytes) const;

 private:
  QString previous_;
  QTemporaryDir folder_;
};

// A directory record: country in 1-12, region in 13-14, code in 17-19, city text from 25 on.
QByteArray Record(const QByteArray& region, const QByteArray& code, const QByteArray& city);

}  // namespace window::testing
