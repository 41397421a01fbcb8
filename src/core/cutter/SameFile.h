#pragma once

#include <QString>

// Whether writing to outputPath would write into the file at inputPath: both name the
// same file on disk (a hard link, or a path through a symbolic link), or the same path
// once links and ".." are resolved. The converter compares the two only by name.
bool isSameFile(const QString& inputPath, const QString& outputPath);
