#ifndef KOLVO_TESTS_LOG_SINK_H
#define KOLVO_TESTS_LOG_SINK_H

#include <string>
#include <vector>

// Collects every message the engine logs while it lives, with its level.
class LogSink {
public:
    struct Line {
        int level;
        std::string text;
    };

    LogSink();
    ~LogSink();
    LogSink(const LogSink&) = delete;
    LogSink& operator=(const LogSink&) = delete;

    bool Contains(const std::string& text) const { return Count(text) > 0; }  // a line equal to text
    int Count(const std::string& text) const;
    int LevelOf(const std::string& text) const;    // level of the first such line, -1 if none
    // True when the lines equal to each given text appear in this order (others may lie between).
    bool InOrder(const std::vector<std::string>& texts) const;
    std::string All() const;  // every line, for failure messages
    void Clear() { lines.clear(); }

    std::vector<Line> lines;
};

#endif
