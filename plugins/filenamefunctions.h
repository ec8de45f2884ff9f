#pragma once

#include <QString>

// File-name and download-address helpers of the file-download mode.

// A path naming no existing file: the path itself when it is free, else the
// first free "folder/base(n).suffix" (base up to the first dot).
QString uniqueFileName(const QString &path);

// The name with every character that no file system accepts in a file name
// (\ / : * ? " < > | and the control characters \n \a \f \r \t \v) replaced.
QString sanitizeFileName(const QString &name, const QString &replacement);

// Whether the address can be downloaded: "http://" addresses that parse, and
// with allowRtmp also "rtmp://" and "rtmpe://" ones.
bool isValidDownloadUrl(const QString &url, bool allowRtmp);

// Absolute path of the folder that contains the path.
QString directoryOfPath(const QString &path);
