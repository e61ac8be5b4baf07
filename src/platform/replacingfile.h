#pragma once
// TReplacingFile: a file written under a temporary name beside its target and
// renamed over the target only when it is complete, so a failed or cancelled
// write never leaves a half-written file under the target's name and never
// damages the file that was there.
//
//   TReplacingFile out(target);
//   if (!out.Create(&error)) return false;
//   write(out.TemporaryPath());      // any writer that takes a path
//   if (!out.Commit(&error)) return false;
//   // leaving the scope without Commit removes the temporary file
#include <QString>

class TReplacingFile {
public:
    explicit TReplacingFile(QString target);
    TReplacingFile(const TReplacingFile&) = delete;
    TReplacingFile& operator=(const TReplacingFile&) = delete;
    ~TReplacingFile();

    // Creates the empty temporary file (new, with the permissions a new file
    // gets); false with an error naming the target when its folder is not
    // writable or the target is not a file that could be replaced.
    bool Create(QString* error);
    const QString& TemporaryPath() const { return temporary_; }
    const QString& Target() const { return target_; }
    // Renames the temporary file over the target.
    bool Commit(QString* error);
    // Removes the temporary file now (also done by the destructor).
    void Discard();

private:
    QString target_;
    QString temporary_;
};
