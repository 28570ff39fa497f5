// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/log_file.h"

static const char LOG_SEPARATOR[] = "#----------------------------------------\r\n";

LogFile::LogFile() : open(false), now(0), localTime(nullptr) {}

LogFile::~LogFile()
{
    Close();
}

void LogFile::ReadClock()
{
    now = time(nullptr);
    localTime = localtime(&now);
}

// The header and the footer carry the same stamp: what happened, the date and the time, unpadded.
void LogFile::WriteStamp(const char* event)
{
    fprintf(stream.get(), "# Logfile %s.\r\n# Date: %i.%i.%i\r\n# Time: %i:%i:%i\r\n", event,
            localTime->tm_mday, localTime->tm_mon + 1, localTime->tm_year + 1900,
            localTime->tm_hour, localTime->tm_min, localTime->tm_sec);
    fputs(LOG_SEPARATOR, stream.get());
}

bool LogFile::Open(const char* path)
{
    if (open)
        return false;
    stream.reset(fopen(path, "w"));
    if (!stream)
        return false;
    ReadClock();
    fputs(LOG_SEPARATOR, stream.get());
    WriteStamp("opened");
    fflush(stream.get());
    open = true;
    return true;
}

bool LogFile::Write(uint16_t level, const char* text)
{
    if (!open)
        return false;
    if (level == 0)
        fputs("\r\n", stream.get());
    for (uint16_t i = 0; i < level; ++i)
        fputs("  ", stream.get());
    ReadClock();
    fprintf(stream.get(), "-%i:%i:%i:   %s\r\n", localTime->tm_hour, localTime->tm_min,
            localTime->tm_sec, text);
    fflush(stream.get());
    return true;
}

bool LogFile::Close()
{
    if (!open)
        return false;
    ReadClock();
    fputs("\r\n", stream.get());
    fputs(LOG_SEPARATOR, stream.get());
    WriteStamp("closed");
    stream.reset();
    open = false;
    return true;
}
