// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_LOG_FILE_H
#define KOLVO_CORE_LOG_FILE_H

#include "core/owned_handles.h"

#include <cstdint>
#include <cstdio>
#include <ctime>

// A timestamped text log. Every line is flushed as it is written, so the file is complete even if
// the program dies. Lines end in CR LF. False means nothing was written.
class LogFile {
public:
    LogFile();
    ~LogFile();  // closes with the footer, like Close()
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    bool Open(const char* path);  // truncates an existing file; false when already open
    bool Write(uint16_t level, const char* text);  // two spaces per level, then "-" and the time
    bool Close();

private:
    void ReadClock();
    void WriteStamp(const char* event);

    bool open;
    OwnedFile stream;
    time_t now;
    struct tm* localTime;
};

#endif
