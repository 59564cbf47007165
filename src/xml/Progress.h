#pragma once

#include <cstddef>
#include <functional>
#include <string>

// What the long operations of a scenario (loading, saving, verifying,
// copying) are doing, for a window to show: the file each part works on and
// how much of the whole is done. Nothing is said unless a scope listens on
// this thread.
namespace Progress {

// percent: of the whole operation, 0 to 100; -1 when the operation cannot
// say (copying a folder of unknown size).
using TListener = std::function<void(const std::string& step, int percent)>;

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
    friend void Tell(const std::string& step, int percent);
    friend bool Listening();
};

// Whether anyone listens, so that work can skip measuring itself.
bool Listening();

// An operation made of parts of known weights (bytes, or one each), begun
// in order. The work inside a part tells how far it got with Within. Only a
// change of step or of the whole's percentage is passed on, so a listener
// hears at most about a hundred times per part. An operation that fails
// simply ends without reaching 100.
class TOperation {
public:
    explicit TOperation(double totalWeight);
    ~TOperation();
    TOperation(const TOperation&) = delete;
    TOperation& operator=(const TOperation&) = delete;

    // "Reading parties.xml".
    void Next(const std::string& step, double weight = 1);
    // The whole is done: 100.
    void Done();

private:
    void Tell(double doneInPart);
    friend void Within(size_t done, size_t total);

    double Total_;
    double Before_ = 0;
    double Weight_ = 0;
    int Percent_ = -1;
    std::string Step_;
    TOperation* Previous_;
};

// The innermost operation's current part has done of total (bytes) behind it.
void Within(size_t done, size_t total);

// A step outside any operation, of no known share of the whole.
void Report(const std::string& step);

} // namespace Progress
