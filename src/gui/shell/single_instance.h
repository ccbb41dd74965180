#ifndef LUMORA_GUI_SHELL_SINGLE_INSTANCE_H_
#define LUMORA_GUI_SHELL_SINGLE_INSTANCE_H_

#include <QString>
#include <memory>

class QLockFile;

namespace lumora {

// The lock that lets one instance of the program run per user. It is a lock file named after
// the key in the user's runtime folder; it goes when the object goes, and a lock left behind by
// a process that no longer runs is taken over.
class SingleInstanceLock {
 public:
  // Keeps the lock file in folder; the user's runtime folder when folder is empty.
  explicit SingleInstanceLock(QString folder = {});
  ~SingleInstanceLock();
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // True when this object now holds the lock of that key, false when another running process
  // (or another object) holds it. A lock that cannot be made at all (an unwritable folder)
  // answers true: the program would rather start twice than not at all.
  bool CheckMutex(const QString& key);

  // The lock file of a key in a folder.
  static QString LockFilePath(const QString& folder, const QString& key);
  // The user's runtime folder, where the lock lives by default.
  static QString DefaultFolder();

 private:
  QString folder_;
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_SINGLE_INSTANCE_H_
