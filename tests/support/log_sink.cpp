#include "tests/support/log_sink.h"

#include "core/engine.h"

LogSink::LogSink()
{
    SetLogListener([this](int level, const char* message) { lines.push_back({level, message}); });
}

LogSink::~LogSink()
{
    SetLogListener(nullptr);
}

int LogSink::Count(const std::string& text) const
{
    int count = 0;
    for (const Line& line : lines)
        count += line.text == text;
    return count;
}

int LogSink::LevelOf(const std::string& text) const
{
    for (const Line& line : lines)
        if (line.text == text)
            return line.level;
    return -1;
}

bool LogSink::InOrder(const std::vector<std::string>& texts) const
{
    size_t next = 0;
    for (const Line& line : lines)
        if (next < texts.size() && line.text == texts[next])
            ++next;
    return next == texts.size();
}

std::string LogSink::All() const
{
    std::string all;
    for (const Line& line : lines)
        all += std::to_string(line.level) + " " + line.text + "\n";
    return all;
}
