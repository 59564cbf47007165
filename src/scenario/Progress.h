#pragma once

#include <functional>
#include <string>

// What the long operations of a scenario (loading, saving, verifying,
// copying) are doing, for a window to show: each says the file it starts
// on. Nothing is said unless a scope listens on this thread.
namespace Progress {

using TListener = std::function<void(const std::string& step)>;

// Listens for its lifetime; the scope it replaced listens again after.
class TScope {
public:
    explicit TScope(TListener listener);
    ~TScope();
    TScope(const TScope&) = delete;
    TScope& operator=(const TScope&) = delete;

private:
    TListener Listener_;
    TScope* Previous_;
    friend void Report(const std::string& step);
};

// "Reading parties.xml".
void Report(const std::string& step);

} // namespace Progress
