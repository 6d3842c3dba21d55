#pragma once
// The Russian words for a file that could not be written: the reason for the usual system errors
// (a full disk, a quota, a file-size limit, a missing folder, no rights), the system's own text
// for the rest. Never "Unknown error".

#include <QString>

#include "fileio/whole_file.h"

// The reason `path` could not be written, to follow "Не удалось сохранить рисунок в файл …:".
QString FileWriteReason(const WriteFailure& failure, const QString& path);
