#pragma once

#include <QString>

// Opens a file manager window with the file selected, through the desktop's
// FileManager1 service; opens the file's folder when no file manager answers.
void showInFileManager(const QString &filePath);
