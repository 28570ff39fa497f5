// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_TESTS_LOG_SINK_H
#define KOLVO_TESTS_LOG_SINK_H

#include "core/engine.h"

#include <algorithm>
#include <string>
#include <vector>

// Collects every message the engine logs while it lives, with its level.
class LogSink {
public:
    struct Line {
        int level;
        std::string text;
    };
    LogSink()
    {
        SetLogListener([this](int level, const char* text) { lines.push_back({level, text}); });
    }
    ~LogSink() { SetLogListener(nullptr); }
    LogSink(const LogSink&) = delete;
    LogSink& operator=(const LogSink&) = delete;

    int Count(const std::string& text) const
    {
        return int(std::count_if(lines.begin(), lines.end(),
                                 [&](const Line& line) { return line.text == text; }));
    }
    bool Contains(const std::string& text) const { return Count(text) > 0; }
    // True when lines equal to the texts appear in this order (others may lie between).
    bool InOrder(const std::vector<std::string>& texts) const
    {
        size_t next = 0;
        for (const Line& line : lines)
            next += next < texts.size() && line.text == texts[next];
        return next == texts.size();
    }
    std::string All() const  // level and text of every line, for failure messages
    {
        std::string all;
        for (const Line& line : lines)
            all += std::to_string(line.level) + " " + line.text + "\n";
        return all;
    }

    std::vector<Line> lines;
};

#endif
